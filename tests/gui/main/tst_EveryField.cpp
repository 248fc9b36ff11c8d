// SPDX-License-Identifier: GPL-3.0-or-later
// Every editable field of every window, changed as a user changes it in the running main window: the change
// marks the data set modified, is exactly one undo step, and Undo gives back the image bytes and what the
// control showed. The fields come from the windows themselves (every list, check box, typed box and grid cell a
// user can reach), cross-checked against the settings table and the channel field table.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>
#include <functional>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/SettingsTable.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/CellList.h"
#include "gui/kit/EditorWindow.h"
#include "gui/kit/Grid.h"
#include "gui/main/EditorList.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

Q_DECLARE_METATYPE(TAnswer)

namespace
{

// One change a user makes, and what the changed control shows, so that Undo can be seen to bring it back.
struct TChange {
    QString Name;
    std::function<void()> Make;
    std::function<QString()> Shown;
};

// What is typed into a box or a grid cell of a window: a valid value other than the one shown.
struct TTyped {
    const char* Window;
    const char* Control; // "*": every typed box of the window
    const char* Text;
};
const TTyped kTyped[] = {
    {"fChsEdit", "cxRxSv", "146.5"},    {"fChsEdit", "cxTxSv", "147.5"}, {"fChsEdit", "cxRxDcts", "88.5"},
    {"fChsEdit", "cxTxDcts", "D023N"},  {"fChsEdit", "cxIdSv", "123"},   {"fChsEdit", "cxNameSv", "ABC"},
    {"fFreqEdit", "cxRxSv", "146.5"},   {"fFreqEdit", "cxTxSv", "1.5"},  {"fFreqEdit", "cxRxDcts", "88.5"},
    {"fFreqEdit", "cxTxDcts", "D023N"}, {"fOptFun", "*", "HELLO"},       {"fDtmfFun", "*", "123"},
    {"fFmFun", "cxRx", "95.5"},         {"fFmFun", "*", "96.5"},
};

// Controls that choose what a window shows, not what the image holds.
const std::pair<const char*, const char*> kNavigation[] = {
    {"fChsEdit", "cxChs"}, {"fFreqEdit", "cxDown"}, {"fFreqEdit", "cxUps"}};

// The typed value for a control of a window; empty when the table has none.
QString TypedText(const QWidget* window, const QWidget* control)
{
    for (const TTyped& typed : kTyped)
        if (window->objectName() == QLatin1String(typed.Window) &&
            (control->objectName() == QLatin1String(typed.Control) || QLatin1String(typed.Control) == "*"))
            return QString::fromLatin1(typed.Text);
    return {};
}

bool IsNavigation(const QWidget* window, const QWidget* control)
{
    for (const auto& [form, name] : kNavigation)
        if (window->objectName() == QLatin1String(form) && control->objectName() == QLatin1String(name))
            return true;
    return false;
}

// Brings the control's tab page forward, as a user clicks the tab first; false when it stays out of reach.
bool Reach(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* pages = qobject_cast<QStackedWidget*>(w->parentWidget()))
            if (auto* tabs = qobject_cast<QTabWidget*>(pages->parentWidget()))
                tabs->setCurrentWidget(w);
    return control->isVisible() && control->isEnabled();
}

void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// A list moves to its next item (the previous one at the end), as the arrow keys move it.
TChange ListChange(QComboBox* list)
{
    return {list->objectName(),
            [list] {
                list->setFocus();
                QTest::keyClick(list, list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
            },
            [list] { return list->currentText(); }};
}

// A box without a value in kTyped fails, so that a box added to a window is added to the table too.
TChange TypedChange(QLineEdit* box, const QString& name, const QString& text)
{
    auto make = [box, name, text] {
        QVERIFY2(!text.isEmpty(), qPrintable(name + QStringLiteral(": no typed value in the table")));
        TypeInto(box, text);
    };
    return {name, make, [box] { return box->text(); }};
}

// The text box inside a list, a spin box or a grid's cell editor belongs to that control.
bool IsPartOfAnotherControl(const QLineEdit* box)
{
    const QWidget* parent = box->parentWidget();
    return qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent) ||
           qobject_cast<const TGrid*>(parent->parentWidget());
}

// The first and the last editable cell of a grid, typed over and ended with Enter.
QList<TChange> GridChanges(TGrid* grid, const QString& text)
{
    QList<QPair<int, int>> cells;
    for (int r = 2; r < grid->RowCount(); ++r) // row 1 holds the titles
        for (int c = 1; c < grid->ColCount(); ++c)
            if (!grid->ReadOnly(c, r))
                cells << qMakePair(c, r);
    if (cells.isEmpty())
        return {};
    QList<TChange> changes;
    for (const auto& [c, r] : {cells.first(), cells.last()}) {
        const QString name = grid->objectName() + QStringLiteral(" cell %1,%2").arg(c).arg(r);
        changes << TChange{name,
                           [grid, c, r, text] {
                               grid->setFocus();
                               grid->SetCurrentCell(c, r);
                               QVERIFY(grid->EditCell(c, r));
                               for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
                                   if (editor->isVisible())
                                       TypeInto(editor, text);
                               QTRY_VERIFY(!grid->IsEditing());
                           },
                           [grid, c, r] { return grid->Text(c, r); }};
    }
    return changes;
}

// The changes of one control; none for a control that holds nothing of the image.
QList<TChange> ControlChanges(QWidget* window, QWidget* control)
{
    QList<TChange> changes;
    const QString text = TypedText(window, control);
    if (auto* grid = qobject_cast<TGrid*>(control)) {
        changes << GridChanges(grid, text);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        changes << (list->isEditable() ? TypedChange(list->lineEdit(), list->objectName(), text) : ListChange(list));
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        if (!box->isReadOnly() && !IsPartOfAnotherControl(box))
            changes << TypedChange(box, box->objectName(), text);
    } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
        auto* button = static_cast<QAbstractButton*>(control);
        changes << TChange{button->objectName(), [button] { button->click(); },
                           [button] { return QString::number(button->isChecked()); }};
    }
    return changes;
}

// Every change a user can make in a window, in the order its controls were built; each brings its control's
// tab page forward first.
QList<TChange> ChangesOf(QWidget* window)
{
    QList<TChange> changes;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (IsNavigation(window, control) || qobject_cast<TCellList*>(control) || !Reach(control))
            continue;
        for (TChange change : ControlChanges(window, control)) {
            change.Make = [control, make = change.Make] {
                QVERIFY(Reach(control));
                make();
            };
            changes << change;
        }
    }
    return changes;
}

// Channel 5 in use with tones and a name, channel 6 empty: the state last saved, where the history starts.
void PrepareChannels(TMainWindow& frm)
{
    for (const auto& [field, text] :
         {std::pair{TChannelField::RxFrequency, "145.5"}, std::pair{TChannelField::RxTone, "67.0"},
          std::pair{TChannelField::TxTone, "D754I"}, std::pair{TChannelField::Name, "REP"}}) {
        std::string value = text;
        SetChannelField(gAll, 5, field, value);
    }
    gAll.CurrentChannel = 5;
    frm.RefreshViews(TRefresh::TableAndEditor);
    gAll.Modified = false;
    frm.ResetHistory();
}

// The change is one undo step that marks the data set modified; Undo gives back the bytes and the display.
void VerifyOneStep(TMainWindow& frm, const TChange& change, const QString& where)
{
    const QString what = where + u' ' + change.Name;
    const auto before = gAll.Image;
    const QString shown = change.Shown();
    const size_t steps = frm.History().UndoCount();
    change.Make();
    QVERIFY2(gAll.Image != before, qPrintable(what + QStringLiteral(": the image is unchanged")));
    QVERIFY2(gAll.Modified, qPrintable(what + QStringLiteral(": not marked modified")));
    QVERIFY2(frm.History().UndoCount() == steps + 1, qPrintable(what + QStringLiteral(": not one undo step")));
    frm.UndoCommand();
    QVERIFY2(gAll.Image == before, qPrintable(what + QStringLiteral(": Undo did not restore the image")));
    QVERIFY2(!gAll.Modified, qPrintable(what + QStringLiteral(": modified after undoing to the saved state")));
    QVERIFY2(change.Shown() == shown, qPrintable(what + QStringLiteral(": shows ") + change.Shown()));
}

// What a user does in the table to change a field of a channel's row: types over a text cell, or opens the
// cell's list and moves it one item (typing a tone into the tone list).
TChange CellChange(TMainWindow& frm, int col, int channel)
{
    const TChannelField field = Table(frm)->ColumnField(col).first;
    const TChannelFieldRow& row = FieldRow(field);
    const QString name = QStringLiteral("CH-%1 %2").arg(channel).arg(QString::fromLatin1(row.ColumnTitle));
    auto shown = [&frm, col, channel] { return Table(frm)->gvChs->Text(col, channel + 1); };
    auto make = [&frm, col, channel, field, row] {
        TGrid* grid = Table(frm)->gvChs;
        grid->setFocus();
        const QRect cell = grid->CellRect(col, channel + 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->viewport()->mapFrom(grid, cell.center()));
        if (row.ListName && row.Kind == TFieldKind::List) {
            // The click drops the cell's list down; the pick inside it is the change.
            QComboBox* list = nullptr;
            for (QComboBox* candidate : Table(frm)->findChildren<QComboBox*>())
                if (candidate->isVisible())
                    list = candidate;
            QVERIFY(list);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(list->view(), Qt::Key_Return);
        } else {
            const char* text = field == TChannelField::RxFrequency   ? "146.5"
                               : field == TChannelField::TxFrequency ? "147.5"
                               : row.Kind == TFieldKind::Tone        ? "88.5"
                               : row.Kind == TFieldKind::DtmfCode    ? "123"
                                                                     : "ABC";
            // A click on a text cell opens its editor; elsewhere the first key typed opens the cell's list.
            QLineEdit* editor = nullptr;
            for (QLineEdit* candidate : grid->viewport()->findChildren<QLineEdit*>())
                if (candidate->isVisible())
                    editor = candidate;
            if (editor) {
                QTest::keyClicks(editor, QString::fromLatin1(text));
                QTest::keyClick(editor, Qt::Key_Return);
            } else {
                for (const QChar c : QString::fromLatin1(text))
                    QTest::keyClicks(QApplication::focusWidget(), QString(c));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
        }
        QTRY_VERIFY(!grid->IsEditing());
    };
    return {name, make, shown};
}

} // namespace

class TestEveryField : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void everyWindowControl_data()
    {
        QTest::addColumn<int>("command");
        for (const TEditorEntry& entry : EditorList())
            if (entry.Command != TCommand::ChannelTable && entry.Command != TCommand::BatchEdit)
                QTest::newRow(entry.FormName) << static_cast<int>(entry.Command);
    }

    void everyWindowControl()
    {
        QFETCH(int, command);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        PrepareChannels(frm);
        frm.OpenEditor(static_cast<TCommand>(command));
        TEditorWindow* window = frm.Editor(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(window);
        QStringList covered;
        const QList<TChange> changes = ChangesOf(window);
        for (const TChange& change : changes) {
            VerifyOneStep(frm, change, window->objectName());
            if (QTest::currentTestFailed())
                return;
            covered << change.Name.section(u' ', 0, 0);
        }
        // Every setting of the window that a user can reach was among them.
        for (const TSettingRow& row : SettingsTable()) {
            if (QString::fromStdString(row.Section) != window->objectName() || row.ControlName.empty())
                continue;
            auto* control = window->findChild<QWidget*>(QString::fromStdString(row.ControlName));
            auto* box = qobject_cast<QLineEdit*>(control);
            if (control && Reach(control) && !(box && box->isReadOnly()))
                QVERIFY2(covered.contains(control->objectName()), row.ControlName.c_str());
        }
        QVERIFY(recorder.Shown.isEmpty());
    }

    // Every field column of the table, in a channel's row, and the first frequency typed into an empty row.
    void everyChannelTableCell()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        PrepareChannels(frm);
        TChannelTableWindow* table = Table(frm);
        QVERIFY(table);
        QList<TChannelField> fields;
        for (int col = 1; col < table->gvChs->ColCount(); ++col) {
            const TChannelField field = table->ColumnField(col).first;
            const TFieldKind kind = FieldRow(field).Kind;
            // Tones and lists are edited in the cell's list, over a cell the grid itself keeps read-only.
            const bool readOnly = table->gvChs->ReadOnly(col, 6) && !FieldRow(field).ListName;
            if (kind == TFieldKind::ChannelNumber || kind == TFieldKind::More || readOnly)
                continue;
            fields << field;
            VerifyOneStep(frm, CellChange(frm, col, 5), QStringLiteral("fChsInfo"));
            if (QTest::currentTestFailed())
                return;
        }
        VerifyOneStep(frm, CellChange(frm, 2, 6), QStringLiteral("fChsInfo, a new channel:"));
        // Every field the table shows (an "S" column key) was among them.
        for (const TChannelFieldRow& row : ChannelFieldTable())
            if (row.ColumnKey[0] == 'S' && row.Kind != TFieldKind::ChannelNumber && row.Kind != TFieldKind::More)
                QVERIFY2(fields.contains(row.Field), row.ColumnTitle);
        QVERIFY(recorder.Shown.isEmpty());
    }

    // The batch window's Apply says how many channels it rewrites and asks first; applied, it is one step.
    void batchApplyAsksAndIsOneStep_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<TAnswer>("answer");
        QTest::newRow("all channels, yes") << 0 << 0 << TAnswer::Yes;
        QTest::newRow("all channels, no") << 0 << 0 << TAnswer::No;
        QTest::newRow("channels 3 to 7, yes") << 3 << 7 << TAnswer::Yes;
    }

    void batchApplyAsksAndIsOneStep()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(TAnswer, answer);
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        PrepareChannels(frm);
        frm.OpenEditor(TCommand::BatchEdit);
        TEditorWindow* batch = frm.Editor(QStringLiteral("fBatch"));
        QVERIFY(batch);
        if (from > 0) {
            batch->findChild<QRadioButton*>(QStringLiteral("cxChs"))->click();
            batch->findChild<QSpinBox*>(QStringLiteral("cxTo"))->setValue(to);
            batch->findChild<QSpinBox*>(QStringLiteral("cxFrom"))->setValue(from);
        }
        const QString count = QString::number(from > 0 ? to - from + 1 : gAll.ChannelCount);
        const auto before = gAll.Image;
        recorder.QueueAnswer(answer);
        batch->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        QCOMPARE(recorder.Texts(),
                 QStringList{QStringLiteral("The batch edit rewrites %1 channels. Apply it?").arg(count)});
        if (answer == TAnswer::No) {
            QVERIFY(gAll.Image == before);
            QVERIFY(!gAll.Modified);
            QCOMPARE(frm.History().UndoCount(), size_t(0));
            return;
        }
        QVERIFY(gAll.Modified);
        QCOMPARE(frm.History().UndoCount(), size_t(1));
        QCOMPARE(IsChannelUsed(gAll, 8), from == 0);
        frm.UndoCommand();
        QVERIFY(gAll.Image == before);
        QVERIFY(!gAll.Modified);
    }
};

QTEST_MAIN(TestEveryField)
#include "tst_EveryField.moc"
