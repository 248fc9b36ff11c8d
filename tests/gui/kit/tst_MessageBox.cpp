// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes as the desktop shows them: the icon says what kind of news it is, the buttons what can be
// answered.
#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include "gui/kit/MessageBox.h"
#include "helpers/ModalHelper.h"

Q_DECLARE_METATYPE(TMessageKind)
Q_DECLARE_METATYPE(TAnswer)

class TestMessageBox : public QObject
{
    Q_OBJECT

  private slots:
    void eachKindHasItsIconAndButtons_data()
    {
        QTest::addColumn<TMessageKind>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<TAnswer>("answer");
        QTest::newRow("information") << TMessageKind::Information << int(QMessageBox::Information)
                                     << int(QMessageBox::Ok) << int(QMessageBox::Ok) << TAnswer::Ok;
        QTest::newRow("success") << TMessageKind::Success << int(QMessageBox::Information) << int(QMessageBox::Ok)
                                 << int(QMessageBox::Ok) << TAnswer::Ok;
        QTest::newRow("warning") << TMessageKind::Warning << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                                 << int(QMessageBox::Ok) << TAnswer::Ok;
        QTest::newRow("error") << TMessageKind::Error << int(QMessageBox::Critical) << int(QMessageBox::Ok)
                               << int(QMessageBox::Ok) << TAnswer::Ok;
        QTest::newRow("yes/no, no") << TMessageKind::YesNo << int(QMessageBox::Question)
                                    << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No) << TAnswer::No;
        QTest::newRow("retry/cancel, retry")
            << TMessageKind::RetryCancel << int(QMessageBox::Question) << int(QMessageBox::Retry | QMessageBox::Cancel)
            << int(QMessageBox::Retry) << TAnswer::Retry;
    }

    void eachKindHasItsIconAndButtons()
    {
        QFETCH(TMessageKind, kind);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, pressed);
        QFETCH(TAnswer, answer);
        int shownIcon = -1;
        int shownButtons = -1;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            shownIcon = box->icon();
            shownButtons = int(box->standardButtons());
            box->button(QMessageBox::StandardButton(pressed))->click();
        });
        QCOMPARE(ShowMessageBox(QStringLiteral("Caption"), QStringLiteral("Text"), kind), answer);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownButtons, buttons);
    }

    // Closing a question with Esc is never its affirmative answer.
    void escapeAnswersTheNegative()
    {
        for (const auto& [kind, answer] :
             {std::pair{TMessageKind::YesNo, TAnswer::No}, {TMessageKind::RetryCancel, TAnswer::Cancel}}) {
            WhenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
            QCOMPARE(ShowMessageBox(QStringLiteral("Caption"), QStringLiteral("Text"), kind), answer);
        }
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_MessageBox.moc"
