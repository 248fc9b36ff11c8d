// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop shows it: every control named for a screen reader, and Qt's own texts (standard
// buttons, file dialogs) in the language the user chose.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "core/files/StartUp.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/link/LinkDialogs.h"
#include "gui/link/PortWindow.h"
#include "gui/main/LanguageWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/main/ModelWindow.h"
#include "helpers/ModalHelper.h"
#include "helpers/TestSupport.h"

namespace
{
bool IsControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
}

// The controls a user can reach in the window that a screen reader could not name, by object name.
QStringList UnnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A combo box's own line edit and list belong to the box, a scroll bar to its view; a disabled control
        // cannot be reached.
        if (!IsControl(widget) || !widget->isVisible() || !widget->isEnabled() ||
            qobject_cast<QComboBox*>(widget->parentWidget()) || qobject_cast<QScrollBar*>(widget))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << window->objectName() + QLatin1Char('.') + widget->objectName() + QLatin1Char('(') +
                           QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(')');
    }
    return unnamed;
}

QString CancelText()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return buttons.button(QDialogButtonBox::Cancel)->text();
}
} // namespace

class TestLooks : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void everyControlOfTheEditorsIsNamed()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QStringList unnamed;
        for (TCommand command :
             {TCommand::ChannelTable, TCommand::ChannelEdit, TCommand::VfoEdit, TCommand::FmRadio, TCommand::Vox,
              TCommand::Scan, TCommand::OptionalFunctions, TCommand::Dtmf, TCommand::RadioInfo}) {
            frm.ExecuteCommand(command);
            QMdiSubWindow* window = frm.MdiArea->activeSubWindow();
            QVERIFY(window);
            unnamed << UnnamedControls(window->widget());
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

    void everyControlOfTheDialogsIsNamed()
    {
        TModelWindow model;
        model.show();
        TPortWindow port;
        port.show();
        const QStringList unnamed = UnnamedControls(&model) + UnnamedControls(&port);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

    // A list is read with the caption of its label, in the language chosen.
    void namesFollowTheLanguage()
    {
        TModelWindow model;
        model.show();
        auto* list = model.findChild<QComboBox*>();
        QVERIFY(list);
        const QString english = list->accessibleName();
        QVERIFY(!english.isEmpty());
        gAll.LanguageName = "Chinese";
        gAll.LanguageIndex = 1;
        ApplyLanguage(&model, true);
        QVERIFY(!list->accessibleName().isEmpty());
        QVERIFY(list->accessibleName() != english);
    }

    void qtTextsSpeakTheChosenLanguage()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QCOMPARE(CancelText(), QStringLiteral("Cancel"));
        WhenModal<TLanguageWindow>([](TLanguageWindow* dialog) {
            dialog->cxLangs[1]->setChecked(true);
            dialog->btnOk->click();
        });
        frm.ExecuteCommand(TCommand::Language);
        QCOMPARE(CancelText(), QStringLiteral("取消"));
        WhenModal<TLanguageWindow>([](TLanguageWindow* dialog) {
            dialog->cxLangs[0]->setChecked(true);
            dialog->btnOk->click();
        });
        frm.ExecuteCommand(TCommand::Language);
        QCOMPARE(CancelText(), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(TestLooks)
#include "tst_Looks.moc"
