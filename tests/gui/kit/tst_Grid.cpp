// SPDX-License-Identifier: GPL-3.0-or-later
// The grid the table windows are built from: cells with display and value texts, the frozen title row and
// column, the in-place text editor and widgets laid over a cell.
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "gui/kit/Grid.h"

class TestGrid : public QObject
{
    Q_OBJECT
  private:
    QWidget* Window = nullptr;
    TGrid* Grid = nullptr;

    QLineEdit* Editor() const
    {
        for (QLineEdit* editor : Grid->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    QPoint Centre(int col, int row) const { return Grid->viewport()->mapFrom(Grid, Grid->CellRect(col, row).center()); }

  private slots:
    // A grid like the FM memories: two pairs of number and value columns, a frozen number column in front.
    void init()
    {
        Window = new QWidget;
        Window->resize(400, 300);
        Grid = new TGrid(Window);
        Grid->setGeometry(0, 0, 400, 300);
        Grid->SetFixedColumn(true);
        Grid->SetSize(4, 42);
        for (int r = 2; r < 42; ++r) {
            Grid->SetText(1, r, QString::number(r - 1));
            Grid->SetReadOnly(2, r, r > 30);
            Grid->SetReadOnly(3, r, true);
        }
        Grid->SetText(1, 1, QStringLiteral("No."));
        Grid->SetText(2, 1, QStringLiteral("Freq"));
        Window->show();
        QVERIFY(QTest::qWaitForWindowActive(Window));
    }
    void cleanup()
    {
        delete Window;
        Window = nullptr;
    }

    void CellsKeepDisplayAndValueTextsApart()
    {
        Grid->SetText(2, 0, QStringLiteral("S-R-R"));
        Grid->SetValue(2, 0, QStringLiteral("2"));
        Grid->SetText(2, 5, QStringLiteral("Wide"));
        Grid->SetValue(2, 5, QStringLiteral("1"));
        QCOMPARE(Grid->Text(2, 0), QStringLiteral("S-R-R"));
        QCOMPARE(Grid->Value(2, 0), QStringLiteral("2"));
        QCOMPARE(Grid->Text(2, 5), QStringLiteral("Wide"));
        QCOMPARE(Grid->Value(2, 5), QStringLiteral("1"));
        // What is shown: the title row and the frozen column live in the headers, the rest in the cells.
        QAbstractItemModel* model = Grid->model();
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->rowCount(), 40);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Freq"));
        QCOMPARE(model->headerData(3, Qt::Vertical).toString(), QStringLiteral("4"));
        QCOMPARE(model->index(3, 0).data().toString(), QStringLiteral("Wide"));
        // Outside the grid nothing is stored and nothing breaks.
        Grid->SetText(9, 99, QStringLiteral("x"));
        QCOMPARE(Grid->Text(9, 99), QString());
    }

    void TypedEditReportsOnlyAChangedText()
    {
        QSignalSpy ended(Grid, &TGrid::EditEnded);
        QList<QPair<int, int>> setups;
        Grid->SetEditorSetup([&setups](int col, int row, QLineEdit* editor) {
            setups << qMakePair(col, row);
            editor->setMaxLength(4);
        });
        Grid->SetText(2, 3, QStringLiteral("88"));
        QVERIFY(Grid->EditCell(2, 3));
        QLineEdit* editor = Editor();
        QVERIFY(editor);
        QCOMPARE(setups, (QList<QPair<int, int>>{{2, 3}}));
        QCOMPARE(editor->selectedText(), QStringLiteral("88"));
        QTest::keyClicks(editor, QStringLiteral("123456"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!Grid->IsEditing());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0], (QList<QVariant>{2, 3, QStringLiteral("1234")}));
        QCOMPARE(Grid->Text(2, 3), QStringLiteral("1234"));

        // The same text again, and Escape, report nothing.
        QVERIFY(Grid->EditCell(2, 3));
        QTest::keyClick(Editor(), Qt::Key_Return);
        QTRY_VERIFY(!Grid->IsEditing());
        QVERIFY(Grid->EditCell(2, 3));
        QTest::keyClicks(Editor(), QStringLiteral("9"));
        QTest::keyClick(Editor(), Qt::Key_Escape);
        QTRY_VERIFY(!Grid->IsEditing());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(Grid->Text(2, 3), QStringLiteral("1234"));

        // EndEdit ends an edit as Enter does, at once.
        QVERIFY(Grid->EditCell(2, 3));
        QTest::keyClicks(Editor(), QStringLiteral("7"));
        Grid->EndEdit();
        QVERIFY(!Grid->IsEditing());
        QCOMPARE(ended.size(), 2);
        QCOMPARE(Grid->Text(2, 3), QStringLiteral("7"));
    }

    void ReadOnlyCellsTakeNoTyping()
    {
        QVERIFY(!Grid->EditCell(3, 3));
        QVERIFY(!Grid->EditCell(2, 31));
        Grid->SetCurrentCell(3, 3);
        QTest::keyClicks(Grid, QStringLiteral("5"));
        QVERIFY(!Grid->IsEditing());
        // Typing on an editable cell opens the editor with that key.
        Grid->SetCurrentCell(2, 4);
        QTest::keyClicks(Grid, QStringLiteral("5"));
        QVERIFY(Grid->IsEditing());
        QCOMPARE(Editor()->text(), QStringLiteral("5"));
    }

    // As in a spreadsheet: Enter ends an edit and moves down, Tab moves right, and neither opens the next cell.
    void EnterAndTabMoveOnAfterAnEdit()
    {
        Grid->SetCurrentCell(2, 4);
        QTest::keyClick(Grid, Qt::Key_Return);
        QVERIFY(Grid->IsEditing());
        QTest::keyClicks(Editor(), QStringLiteral("12"));
        QTest::keyClick(Editor(), Qt::Key_Return);
        QTRY_VERIFY(!Grid->IsEditing());
        QCOMPARE(Grid->Text(2, 4), QStringLiteral("12"));
        QCOMPARE(Grid->Row(), 5);
        QCOMPARE(Grid->Col(), 2);
        QTest::keyClicks(Grid, QStringLiteral("3"));
        QTest::keyClick(Editor(), Qt::Key_Tab);
        QTRY_VERIFY(!Grid->IsEditing());
        QCOMPARE(Grid->Text(2, 5), QStringLiteral("3"));
        QCOMPARE(Grid->Col(), 3);
        QCOMPARE(Grid->Row(), 5);
    }

    // What stands for a read-only cell (a list) is asked for by Enter, F2, a typed character or a double click.
    void ReadOnlyCellsAskToBeOpened()
    {
        QSignalSpy opened(Grid, &TGrid::CellOpened);
        Grid->SetCurrentCell(3, 4);
        QTest::keyClick(Grid, Qt::Key_Return);
        QTest::keyClick(Grid, Qt::Key_F2);
        QTest::keyClicks(Grid, QStringLiteral("h"));
        QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, Centre(3, 6));
        QTest::keyClick(Grid, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(opened.size(), 4);
        QCOMPARE(opened[0], (QList<QVariant>{3, 4, QString()}));
        QCOMPARE(opened[2], (QList<QVariant>{3, 4, QStringLiteral("h")}));
        QCOMPARE(opened[3], (QList<QVariant>{3, 6, QString()}));
        QVERIFY(!Grid->IsEditing());
    }

    void TitleTipsShowOverTheColumnTitle()
    {
        Grid->SetTip(2, 1, QStringLiteral("Receive frequency"));
        QCOMPARE(Grid->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Receive frequency"));
        QVERIFY(!Grid->model()->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    }

    void EditorHasNoClipboard()
    {
        QApplication::clipboard()->setText(QStringLiteral("999"));
        Grid->SetText(2, 3, QStringLiteral("1"));
        QVERIFY(Grid->EditCell(2, 3));
        QTest::keyClick(Editor(), Qt::Key_End);
        QTest::keyClick(Editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Editor()->text(), QStringLiteral("1"));
        QCOMPARE(Editor()->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void SignalsTellTheCellAndThePress()
    {
        QSignalSpy selected(Grid, &TGrid::CellSelected);
        QSignalSpy pressed(Grid, &TGrid::CellPressed);
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Centre(3, 5));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0], (QList<QVariant>{3, 5}));
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(pressed[0], (QList<QVariant>{3, 5}));
        QCOMPARE(Grid->Col(), 3);
        QCOMPARE(Grid->Row(), 5);
        QTest::keyClick(Grid, Qt::Key_Down);
        QCOMPARE(selected.last(), (QList<QVariant>{3, 6}));
        QCOMPARE(pressed.size(), 1);
    }

    void WidgetLaidOverACellLeavesWhenTheGridScrolls()
    {
        auto* list = new QComboBox(Window);
        list->hide();
        Grid->SetColWidth(3, 90);
        Grid->SetCurrentCell(3, 5);
        Grid->PlaceOverCell(list, 3, 5);
        QVERIFY(list->isVisible());
        QVERIFY(list->hasFocus());
        QCOMPARE(list->width(), 90);
        QCOMPARE(list->pos(), Grid->CellRect(3, 5).topLeft());
        Grid->scrollToBottom();
        QVERIFY(!list->isVisible());
        QVERIFY(Grid->hasFocus());
    }

    void UpdatesAreShownOnceAtTheEnd()
    {
        QSignalSpy changed(Grid->model(), &QAbstractItemModel::dataChanged);
        Grid->BeginUpdate();
        for (int r = 2; r < 42; ++r)
            Grid->SetText(2, r, QStringLiteral("x"));
        QCOMPARE(changed.size(), 0);
        Grid->EndUpdate();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(Grid->Text(2, 41), QStringLiteral("x"));
    }

    // The tinted rows stay readable whatever the desktop's palette: a fixed light yellow behind the light text
    // of a dark palette could not be read.
    void TintedRowsFollowThePalette_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("highlight");
        QTest::newRow("light") << QColor(255, 255, 255) << QColor(0, 0, 0) << QColor(48, 140, 198);
        QTest::newRow("dark") << QColor(30, 30, 30) << QColor(230, 230, 230) << QColor(42, 130, 218);
    }

    void TintedRowsFollowThePalette()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(QColor, highlight);
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Highlight, highlight);
        const QColor tint = RowTint(palette);
        QVERIFY(tint != base);
        // Lightness stays on the base's side, far from the text's.
        QVERIFY(std::abs(tint.lightness() - base.lightness()) < 40);
        QVERIFY(std::abs(tint.lightness() - text.lightness()) > 120);
    }
};

QTEST_MAIN(TestGrid)
#include "tst_Grid.moc"
