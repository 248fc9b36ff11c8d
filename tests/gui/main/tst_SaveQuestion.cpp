// SPDX-License-Identifier: GPL-3.0-or-later
// The save question before a command replaces unsaved changes (Exit, New, Open, Read From Radio): Yes saves
// and goes on, No goes on without saving, Cancel stays; Esc and the box's close button are Cancel on the real
// message box, never No.
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/Grid.h"
#include "gui/link/ReadWindow.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

Q_DECLARE_METATYPE(TCommand)
Q_DECLARE_METATYPE(TAnswer)

namespace
{

const QString kSaveQuestion = QStringLiteral("Do you wish to save the changes?");

// Answers every modal window that opens while it lives: the action gets the window, and one that the action
// leaves open is rejected, so that a command that opens more than expected fails on its checks, never hangs.
class TModalWatch
{
  public:
    explicit TModalWatch(std::function<void(QWidget*)> action = {}) : Action(std::move(action))
    {
        QObject::connect(&Poll, &QTimer::timeout, [this] { Answer(); });
        Poll.start(20);
    }
    QStringList Seen;

  private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        Seen << QString::fromLatin1(modal->metaObject()->className());
        if (Action)
            Action(modal);
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog == modal)
            dialog->reject();
    }
    std::function<void(QWidget*)> Action;
    QTimer Poll;
};

// Channel 5 typed in, as one undo step: the data set has something to lose.
void EditChannel5(TMainWindow& frm)
{
    std::string text = "145.5";
    SetChannelField(gAll, 5, TChannelField::RxFrequency, text);
    frm.RefreshViews(TRefresh::TableAndEditor);
    frm.CommitEdit("Edit CH-005 RX Frequency");
}

QString CommandName(TCommand command)
{
    switch (command) {
    case TCommand::Exit:
        return QStringLiteral("exit");
    case TCommand::New:
        return QStringLiteral("new");
    case TCommand::Open:
        return QStringLiteral("open");
    default:
        return QStringLiteral("read");
    }
}

const TCommand kCommands[] = {TCommand::Exit, TCommand::New, TCommand::Open, TCommand::ReadFromRadio};

} // namespace

class TestSaveQuestion : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir Files;
    QString OtherFile; // a saved data set with channel 9 in use, which Open brings in

    // Whether the command went past the question and did its work.
    bool WentAhead(TMainWindow& frm, TCommand command, const TModalWatch& watch) const
    {
        switch (command) {
        case TCommand::Exit:
            return !frm.isVisible();
        case TCommand::New:
            return !IsChannelUsed(gAll, 5);
        case TCommand::Open:
            return IsChannelUsed(gAll, 9);
        default:
            return watch.Seen.contains(QStringLiteral("TReadWindow"));
        }
    }

  private slots:
    void initTestCase()
    {
        InitTestState();
        OtherFile = Files.filePath(QStringLiteral("other.dat"));
        std::string text = "146.5";
        SetChannelField(gAll, 9, TChannelField::RxFrequency, text);
        std::string error;
        QVERIFY(SaveDataFile(gAll, OtherFile.toStdString(), error));
    }

    void init() { InitTestState(); }

    void theThreeAnswers_data()
    {
        QTest::addColumn<TCommand>("command");
        QTest::addColumn<TAnswer>("answer");
        for (TCommand command : kCommands) {
            const QByteArray name = CommandName(command).toLatin1();
            QTest::newRow(name + ", yes") << command << TAnswer::Yes;
            QTest::newRow(name + ", no") << command << TAnswer::No;
            QTest::newRow(name + ", cancel") << command << TAnswer::Cancel;
        }
    }

    void theThreeAnswers()
    {
        QFETCH(TCommand, command);
        QFETCH(TAnswer, answer);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        EditChannel5(frm);
        const QString saveTo = Files.filePath(CommandName(command) + QStringLiteral("-saved.dat"));
        QFile::remove(saveTo);
        recorder.QueueAnswer(answer);
        if (answer == TAnswer::Yes)
            recorder.QueueFileName(saveTo);
        recorder.QueueFileName(OtherFile);
        TModalWatch watch;
        frm.ExecuteCommand(command);
        QCOMPARE(recorder.Texts().value(0), kSaveQuestion);
        QCOMPARE(recorder.Shown[0].Kind, TMessageKind::YesNoCancel);
        QCOMPARE(WentAhead(frm, command, watch), answer != TAnswer::Cancel);
        QCOMPARE(QFile::exists(saveTo), answer == TAnswer::Yes);
        if (answer == TAnswer::Cancel) {
            QCOMPARE(recorder.Shown.size(), 1);
            QCOMPARE(recorder.FileDialogs, 0);
            QVERIFY(IsChannelUsed(gAll, 5));
            QVERIFY(gAll.Modified);
        }
    }

    // On the real box: Esc and the title bar's close button keep the work, as Cancel does.
    void escapeAndClosingTheBoxAreCancel_data()
    {
        QTest::addColumn<TCommand>("command");
        QTest::addColumn<bool>("escape");
        for (TCommand command : kCommands) {
            const QByteArray name = CommandName(command).toLatin1();
            QTest::newRow(name + ", Esc") << command << true;
            QTest::newRow(name + ", box closed") << command << false;
        }
    }

    void escapeAndClosingTheBoxAreCancel()
    {
        QFETCH(TCommand, command);
        QFETCH(bool, escape);
        TMessageRecorder recorder; // for the file dialogs only: the message box is the real one
        SetMessageResponder(nullptr);
        TMainWindow frm;
        frm.show();
        EditChannel5(frm);
        const auto edited = gAll.Image;
        recorder.QueueFileName(OtherFile);
        QString asked;
        TModalWatch watch([escape, &asked](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            asked = box->text();
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        frm.ExecuteCommand(command);
        QCOMPARE(asked, kSaveQuestion);
        QCOMPARE(watch.Seen, QStringList{QStringLiteral("QMessageBox")});
        QVERIFY(!WentAhead(frm, command, watch));
        QVERIFY(frm.isVisible());
        QVERIFY(gAll.Image == edited);
        QVERIFY(gAll.Modified);
    }

    // The window's close button ends a cell still being typed before it decides whether there is anything to
    // lose: the typed frequency is offered for saving, not dropped.
    void closingTheWindowEndsATypedCellFirst()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        auto* table = qobject_cast<TChannelTableWindow*>(frm.Editor(QStringLiteral("fChsInfo")));
        QVERIFY(table);
        table->gvChs->setFocus();
        QVERIFY(table->gvChs->EditCell(2, 4));
        QLineEdit* editor = table->gvChs->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        QTest::keyClicks(editor, QStringLiteral("145.5"));
        recorder.QueueAnswer(TAnswer::Cancel);
        QVERIFY(!frm.close());
        QCOMPARE(recorder.Texts(), QStringList{kSaveQuestion});
        QVERIFY(IsChannelUsed(gAll, 3));
        QVERIFY(gAll.Modified);
    }

    // Nothing to lose, nothing asked: the command goes ahead at once.
    void unmodifiedAsksNothing_data()
    {
        QTest::addColumn<TCommand>("command");
        for (TCommand command : kCommands)
            QTest::newRow(CommandName(command).toLatin1()) << command;
    }

    void unmodifiedAsksNothing()
    {
        QFETCH(TCommand, command);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        std::string text = "145.5";
        SetChannelField(gAll, 5, TChannelField::RxFrequency, text); // the data set as it was loaded or saved
        recorder.QueueFileName(OtherFile);
        TModalWatch watch;
        frm.ExecuteCommand(command);
        QVERIFY(recorder.Shown.isEmpty());
        QVERIFY(WentAhead(frm, command, watch));
    }
};

QTEST_MAIN(TestSaveQuestion)
#include "tst_SaveQuestion.moc"
