// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey: random commands, keys and clicks through every window of the program, with a fixed seed so that
// a failure can be run again. Every message box takes a random answer, every file dialog a random choice among
// cancel, a data file and a CSV file in a folder of its own, and every other modal dialog gets a few random
// clicks and keys before it is closed. The link commands talk to the virtual radio. The run passes when
// nothing crashed (the sanitizer build turns any memory or undefined-behaviour fault into one) and the data
// set is still whole: every change, up to closing every window at the end, is an undo step, and undoing all of
// them and redoing them again comes back to the same state.
//
// MONKEY_EVENTS (default 5000) and MONKEY_SEED (default 1) set the run.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <random>

#include "core/model/ChannelCodec.h"
#include "core/model/EditHistory.h"
#include "core/model/FmCodec.h"
#include "e2e/VirtualRadio.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

namespace
{
int EnvironmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Keys a user presses in a table, a box or a list: moves, edits, and the shortcuts of the menus.
const std::vector<QKeyCombination>& MonkeyKeys()
{
    static const std::vector<QKeyCombination> keys = {Qt::Key_Left,
                                                      Qt::Key_Right,
                                                      Qt::Key_Up,
                                                      Qt::Key_Down,
                                                      Qt::Key_Tab,
                                                      Qt::Key_Backtab,
                                                      Qt::Key_Home,
                                                      Qt::Key_End,
                                                      Qt::Key_PageUp,
                                                      Qt::Key_PageDown,
                                                      Qt::Key_Return,
                                                      Qt::Key_Escape,
                                                      Qt::Key_F2,
                                                      Qt::Key_Delete,
                                                      Qt::Key_Backspace,
                                                      Qt::Key_Space,
                                                      Qt::Key_1,
                                                      Qt::Key_4,
                                                      Qt::Key_5,
                                                      Qt::Key_Period,
                                                      Qt::Key_A,
                                                      Qt::Key_Z,
                                                      Qt::CTRL | Qt::Key_Z,
                                                      Qt::CTRL | Qt::Key_Y,
                                                      Qt::CTRL | Qt::Key_C,
                                                      Qt::CTRL | Qt::Key_X,
                                                      Qt::CTRL | Qt::Key_V,
                                                      Qt::CTRL | Qt::Key_Home,
                                                      Qt::CTRL | Qt::Key_End,
                                                      Qt::CTRL | Qt::Key_Up,
                                                      Qt::CTRL | Qt::Key_Down};
    return keys;
}

class TMonkey : public QObject
{
  public:
    TMonkey(TMainWindow& frm, const QString& folder, unsigned seed) : Frm(frm), Folder(folder), Random(seed)
    {
        SetMessageResponder([this](const QString&, const QString&, TMessageKind) { return RandomAnswer(); });
        SetFileDialogResponder([this](bool, const QString&) { return RandomFileName(); });
        connect(&ModalWatch, &QTimer::timeout, this, [this] { PlayWithModal(); });
        ModalWatch.start(5);
    }
    ~TMonkey() override
    {
        SetMessageResponder({});
        SetFileDialogResponder({});
    }

    void Step()
    {
        switch (Pick(10)) {
        case 0:
        case 1:
            return TriggerCommand();
        case 2:
        case 3:
        case 4:
            return ClickSomewhere(&Frm);
        default:
            return PressKey(QApplication::focusWidget() ? QApplication::focusWidget() : &Frm);
        }
    }

    // What the monkey did last, for the message of a failure.
    QString LastSteps() const { return Log.join('\n'); }

  private:
    void Note(const QString& step)
    {
        Log.append(step);
        if (Log.size() > 12)
            Log.removeFirst();
    }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(Random); }

    TAnswer RandomAnswer()
    {
        static const TAnswer answers[] = {TAnswer::Ok, TAnswer::Cancel, TAnswer::Retry, TAnswer::Yes, TAnswer::No};
        // Retry would repeat a failing exchange for as long as the monkey says so: rarely.
        const TAnswer answer = answers[Pick(5)];
        return answer == TAnswer::Retry && Pick(4) != 0 ? TAnswer::Cancel : answer;
    }

    QString RandomFileName()
    {
        switch (Pick(3)) {
        case 0:
            return Folder + QStringLiteral("/monkey.dat");
        case 1:
            return Folder + QStringLiteral("/monkey.csv");
        default:
            return {};
        }
    }

    // Every enabled entry of the menu bar and its submenus, except Exit: the run needs its window.
    void TriggerCommand()
    {
        QList<QAction*> actions;
        CollectActions(Frm.menuBar()->actions(), actions);
        if (actions.isEmpty())
            return;
        QAction* action = actions[Pick(int(actions.size()))];
        Note(QStringLiteral("command ") + action->objectName() + ' ' + action->text());
        action->trigger();
    }
    void CollectActions(const QList<QAction*>& from, QList<QAction*>& into)
    {
        for (QAction* action : from) {
            if (action->menu())
                CollectActions(action->menu()->actions(), into);
            else if (action->isEnabled() && !action->isSeparator() && action != Frm.nExit)
                into.append(action);
        }
    }

    void ClickSomewhere(QWidget* root)
    {
        QList<QWidget*> widgets;
        for (QWidget* widget : root->findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->isEnabled() && widget->width() > 0 && widget->height() > 0)
                widgets.append(widget);
        }
        if (widgets.isEmpty())
            return;
        QWidget* target = widgets[Pick(int(widgets.size()))];
        const QPoint at(Pick(target->width()), Pick(target->height()));
        Note(QStringLiteral("click %1 %2 at %3,%4")
                 .arg(QString::fromLatin1(target->metaObject()->className()), target->objectName())
                 .arg(at.x())
                 .arg(at.y()));
        if (Pick(4) == 0)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    }

    void PressKey(QWidget* target)
    {
        const QKeyCombination key = MonkeyKeys()[size_t(Pick(int(MonkeyKeys().size())))];
        Note(QStringLiteral("key %1 in %2 %3")
                 .arg(QKeySequence(key).toString(), QString::fromLatin1(target->metaObject()->className()),
                      target->objectName()));
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }

    // A modal dialog gets a few random clicks and keys, then it is closed, so that the run goes on. The
    // system's print and file dialogs are closed at once: the monkey prints nothing and leaves the disk alone.
    // A click that opens a list or a menu runs a loop of its own, in which this comes again: then the open
    // list is closed and nothing else happens.
    void PlayWithModal()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || Playing) {
            ModalTicks = modal ? ModalTicks : 0;
            return;
        }
        const QString kind = QString::fromLatin1(modal->metaObject()->className());
        const bool system = kind.startsWith(QStringLiteral("QPrint")) || kind == QStringLiteral("QPageSetupDialog") ||
                            kind == QStringLiteral("QFileDialog");
        if (system || ++ModalTicks > 8 || Pick(4) == 0) {
            ModalTicks = 0;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        Playing = true;
        if (Pick(2) == 0)
            ClickSomewhere(modal);
        else
            PressKey(QApplication::focusWidget() ? QApplication::focusWidget() : modal);
        Playing = false;
    }

    TMainWindow& Frm;
    QString Folder;
    std::mt19937 Random;
    QTimer ModalWatch;
    int ModalTicks = 0;
    bool Playing = false;
    QStringList Log;
};
// A state as the windows leave it once they have shown every channel: decoding a record stores its frequencies
// back snapped to the step grid (a VFO's offset out of range as 0, an FM frequency outside the limits as the low
// limit), without an undo step of its own.
TEditState Decoded(const TEditState& state)
{
    TAppState probe = gAll;
    probe.Image = state.Image;
    TChannel channel;
    for (int index = 1; index <= kVfoB; ++index)
        DecodeChannel(probe, index, channel);
    for (int fm = 1; fm <= kFmCurrent; ++fm)
        DecodeFmChannel(probe, fm);
    return TEditState{probe.Image, state.ModelId};
}

// Where two states differ: the model, or the first image byte with both values.
QString Difference(const TEditState& recorded, const TEditState& now)
{
    if (recorded.ModelId != now.ModelId)
        return QStringLiteral("the model (%1 to %2)")
            .arg(QString::fromStdString(recorded.ModelId), QString::fromStdString(now.ModelId));
    for (size_t i = 0; i < recorded.Image.size(); ++i) {
        if (recorded.Image[i] != now.Image[i])
            return QStringLiteral("image byte 0x%1 (%2 to %3)")
                .arg(i, 4, 16, QLatin1Char('0'))
                .arg(recorded.Image[i])
                .arg(now.Image[i]);
    }
    return QStringLiteral("nothing");
}
} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void randomEventsThroughEveryWindowLeaveAWholeDataSet()
    {
        const int events = EnvironmentNumber("MONKEY_EVENTS", 5000);
        const int seed = EnvironmentNumber("MONKEY_SEED", 1);
        QTemporaryDir folder;
        TVirtualRadio radio(ScrambledMemory(gAll, 7));
        QVERIFY(radio.Serving());
        QVERIFY(MapCom5(radio.Path));
        TMainWindow frm;
        frm.resize(1200, 800);
        frm.show();
        {
            TMonkey monkey(frm, folder.path(), unsigned(seed));
            for (int i = 0; i < events; ++i) {
                monkey.Step();
                QCoreApplication::processEvents();
                // Every change is a step of the history (none is made behind its back), but for what decoding
                // stores back.
                if (!(Decoded(EditStateOf(gAll)) == Decoded(frm.History().Current())))
                    QFAIL(qPrintable(QStringLiteral("event %1 changed %2 outside the history after:\n%3")
                                         .arg(i)
                                         .arg(Difference(frm.History().Current(), EditStateOf(gAll)))
                                         .arg(monkey.LastSteps())));
            }
        }
        while (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
        // Closing every window stores nothing behind the history's back either.
        frm.CloseAllEditors();
        QVERIFY(frm.isVisible());
        QVERIFY2(Decoded(EditStateOf(gAll)) == Decoded(frm.History().Current()),
                 qPrintable(Difference(Decoded(frm.History().Current()), Decoded(EditStateOf(gAll)))));
        // Walking all the way back through the history and as many steps forth again ends where it was (the
        // monkey may have left steps to redo beyond it).
        const TEditState reached = EditStateOf(gAll);
        int undone = 0;
        for (; frm.History().CanUndo(); ++undone)
            frm.UndoCommand();
        for (int i = 0; i < undone; ++i)
            frm.RedoCommand();
        QVERIFY2(Decoded(EditStateOf(gAll)) == Decoded(reached),
                 qPrintable(Difference(Decoded(reached), Decoded(EditStateOf(gAll)))));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_Monkey.moc"
