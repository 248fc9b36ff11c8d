// SPDX-License-Identifier: GPL-3.0-or-later
// The tone picker: what its cells hold and what a double click returns.
#include <QGroupBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "gui/channels/ChannelTestSupport.h"
#include "gui/channels/TonePicker.h"
#include "helpers/TestSupport.h"

class TestToneOption : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }

    void CellsFollowTheToneTable_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("first CTCSS code") << 0 << 0 << 0 << "01";
        QTest::newRow("first CTCSS tone") << 0 << 0 << 1 << "67.0";
        QTest::newRow("first CTCSS label") << 0 << 0 << 2 << "XZ";
        QTest::newRow("group 2 row 1 tone") << 0 << 0 << 4 << "91.5";
        QTest::newRow("last CTCSS tone") << 0 << 5 << 13 << "254.1";
        QTest::newRow("spare CTCSS place") << 0 << 6 << 13 << "";
        QTest::newRow("first DCS number") << 1 << 0 << 0 << "1";
        QTest::newRow("first DCS-N code") << 1 << 0 << 1 << "D023N";
        QTest::newRow("first DCS-I code") << 2 << 0 << 1 << "D023I";
        QTest::newRow("group 2 row 1 DCS") << 1 << 0 << 3 << "D072N";
        QTest::newRow("last DCS code") << 2 << 7 << 15 << "D754I";
        QTest::newRow("last DCS number") << 2 << 7 << 14 << "85";
        QTest::newRow("spare DCS place") << 1 << 8 << 15 << "";
    }
    void CellsFollowTheToneTable()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        TTonePicker dialog;
        const QTableWidgetItem* item = dialog.Grid(grid)->item(row, column);
        QCOMPARE(item ? item->text() : QString(), text);
    }

    void GridsHaveTheirShape()
    {
        TTonePicker dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("fToneOption"));
        const int shapes[3][2] = {{9, 15}, {11, 16}, {11, 16}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(dialog.Grid(i)->rowCount(), shapes[i][0]);
            QCOMPARE(dialog.Grid(i)->columnCount(), shapes[i][1]);
        }
    }

    void RadioButtonsSwitchTheGrid()
    {
        TTonePicker dialog;
        dialog.show();
        auto* box = dialog.findChild<QGroupBox*>(QStringLiteral("gbList"));
        QVERIFY(dialog.Grid(0)->isVisible() && !dialog.Grid(1)->isVisible());
        QCOMPARE(box->title(), QStringLiteral("CTCSS"));
        dialog.findChild<QRadioButton*>(QStringLiteral("rDCSI"))->click();
        QVERIFY(dialog.Grid(2)->isVisible() && !dialog.Grid(0)->isVisible() && !dialog.Grid(1)->isVisible());
        QCOMPARE(box->title(), QStringLiteral("DCS-I"));
    }

    void DoubleClickOnValueReturnsIt_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("result");
        QTest::newRow("CTCSS group 2 row 1") << "rCTCSS" << 0 << 0 << 4 << "91.5";
        QTest::newRow("DCS-I row 1") << "rDCSI" << 2 << 0 << 1 << "D023I";
        QTest::newRow("DCS-N last group") << "rDCSN" << 1 << 7 << 15 << "D754N";
        QTest::newRow("empty CTCSS value cell") << "rCTCSS" << 0 << 8 << 13 << "";
    }
    void DoubleClickOnValueReturnsIt()
    {
        QFETCH(QString, button);
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, result);
        TTonePicker dialog;
        dialog.show();
        dialog.findChild<QRadioButton*>(button)->click();
        DoubleClickCell(dialog.Grid(grid), row, column);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QString::fromStdString(dialog.ToneResult), result);
    }

    void DoubleClickOnLabelKeepsDialogOpen_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("column");
        QTest::newRow("CTCSS code") << 0 << 0;
        QTest::newRow("CTCSS label") << 0 << 2;
        QTest::newRow("DCS-I number") << 2 << 0;
    }
    void DoubleClickOnLabelKeepsDialogOpen()
    {
        QFETCH(int, grid);
        QFETCH(int, column);
        TTonePicker dialog;
        dialog.show();
        if (grid == 2)
            dialog.findChild<QRadioButton*>(QStringLiteral("rDCSI"))->click();
        DoubleClickCell(dialog.Grid(grid), 0, column);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.ToneResult.empty());
    }
};

QTEST_MAIN(TestToneOption)
#include "tst_TonePicker.moc"
