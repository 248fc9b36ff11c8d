// SPDX-License-Identifier: GPL-3.0-or-later
// The FM window: the 25 memories in the grid, the current frequency, the step and the receiver inhibit.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/Encodings.h"
#include "core/model/FmCodec.h"
#include "gui/kit/Grid.h"
#include "gui/settings/FmRadioWindow.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kEmpty = -1;

uint8_t& Item(int k)
{
    return gAll.Image[kSettingsBase + k];
}

// The stored 16-bit value of an FM channel, or kEmpty when its empty bit is set.
int StoredFm(int channel)
{
    if (channel != 32 && GetMapBit(gAll, kFmEmptyMap, channel))
        return kEmpty;
    return ReadLe16(&gAll.Image[0x1050 + 2 * (channel - 1)]);
}

std::unique_ptr<TFmRadioWindow> OpenWindow()
{
    auto window = std::make_unique<TFmRadioWindow>();
    window->show();
    window->findChild<QTabWidget*>()->setCurrentIndex(1);
    return window;
}

TGrid* GridOf(const TFmRadioWindow& window)
{
    return window.findChild<TGrid*>("gvData");
}

void PressCell(TGrid* grid, int col, int row)
{
    const QPoint centre = grid->viewport()->mapFrom(grid, grid->CellRect(col, row).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
}

// Types into the frequency cell as a user does: a press opens the editor with the text selected.
void TypeIntoCell(TGrid* grid, int col, int row, const QString& text)
{
    PressCell(grid, col, row);
    auto* editor = grid->findChild<QLineEdit*>();
    QVERIFY(editor && grid->IsEditing());
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!grid->IsEditing());
}
} // namespace

class TestFmFun : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }
    void init()
    {
        NewDataSet(gAll, gMacList);
        SetFmChannel(gAll, 12, "90");
        gAll.Modified = false;
    }

    void GridOffersChannelsOneTo25()
    {
        auto window = OpenWindow();
        TGrid* grid = GridOf(*window);
        for (int pair = 0; pair < 3; ++pair) {
            const int numberCol = 1 + 2 * pair;
            for (int row = 2; row <= 11; ++row) {
                const int channel = 10 * pair + row - 1;
                const QString number = channel <= 25 ? QString::number(channel) : QString();
                QCOMPARE(grid->Text(numberCol, row), number);
                QVERIFY(grid->ReadOnly(numberCol, row));
                QCOMPARE(grid->ReadOnly(numberCol + 1, row), channel > 25);
                QCOMPARE(grid->Text(numberCol + 1, row), channel == 12 ? QString("90.00000") : QString());
            }
        }
        QCOMPARE(grid->Text(1, 1), QString("No."));
        QCOMPARE(grid->Text(2, 1), QString("Frequency[MHz]"));
    }

    // A press on a number cell edits the frequency beside it; cells of channel 26 onward open nothing.
    void PressOpensEditor_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("editCol");
        QTest::newRow("frequency of channel 1") << 2 << 2 << 2;
        QTest::newRow("number of channel 13") << 3 << 4 << 4;
        QTest::newRow("number of channel 25") << 5 << 6 << 6;
        QTest::newRow("empty number below channel 25") << 5 << 7 << 0;
        QTest::newRow("frequency below channel 25") << 6 << 11 << 0;
    }
    void PressOpensEditor()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, editCol);
        auto window = OpenWindow();
        TGrid* grid = GridOf(*window);
        PressCell(grid, col, row);
        QCOMPARE(grid->IsEditing(), editCol != 0);
        if (editCol)
            QCOMPARE(grid->Col(), editCol);
    }

    void StoresTypedFrequency_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("stored");
        QTest::newRow("88.01 on the 25 kHz grid") << 2 << 4 << "88.01"
                                                  << "88.00000" << 3 << 3520;
        QTest::newRow("120 cut to FmMaxLimit") << 4 << 2 << "120"
                                               << "107.00000" << 11 << 4280;
        QTest::newRow("70 raised to the lower limit") << 6 << 6 << "70"
                                                      << "88.00000" << 25 << 3520;
        QTest::newRow("comma typed as point") << 2 << 2 << "99,5"
                                              << "99.50000" << 1 << 3980;
        QTest::newRow("channel 12 cleared") << 4 << 3 << ""
                                            << "" << 12 << kEmpty;
    }
    void StoresTypedFrequency()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, channel);
        QFETCH(int, stored);
        auto window = OpenWindow();
        TypeIntoCell(GridOf(*window), col, row, typed);
        QCOMPARE(GridOf(*window)->Text(col, row), shown);
        QCOMPARE(StoredFm(channel), stored);
        QVERIFY(gAll.Modified);

        window = OpenWindow();
        QCOMPARE(GridOf(*window)->Text(col, row), shown);
    }

    void RefusesTextThatIsNoNumber()
    {
        TMessageRecorder recorder;
        auto window = OpenWindow();
        TypeIntoCell(GridOf(*window), 2, 3, ".");
        QCOMPARE(recorder.Shown.size(), 1);
        QCOMPARE(GridOf(*window)->Text(2, 3), QString());
        QCOMPARE(StoredFm(2), kEmpty);
    }

    void StoresCurrentFrequency_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("93.3") << "93.3" << true << "93.30000" << 3732;
        QTest::newRow("120 cut to FmMaxLimit") << "120" << true << "107.00000" << 4280;
        // An empty box stores nothing and shows the lower band limit.
        QTest::newRow("cleared") << "" << true << "88.00000" << 3600;
        QTest::newRow("typed, then another command") << "101" << false << "101.00000" << 4040;
    }
    void StoresCurrentFrequency()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        SetFmChannel(gAll, 32, "90");
        auto window = OpenWindow();
        auto* rx = window->findChild<QLineEdit*>("cxRx");
        QCOMPARE(rx->text(), QString("90.00000"));
        rx->selectAll();
        QTest::keyClick(rx, Qt::Key_Backspace);
        QTest::keyClicks(rx, typed);
        if (enter)
            QTest::keyClick(rx, Qt::Key_Return);
        else
            window->FormDeactivate();
        QCOMPARE(rx->text(), shown);
        QCOMPARE(StoredFm(32), stored);
        QVERIFY(gAll.Modified);
    }

    void StoresStepAndInhibit_data()
    {
        QTest::addColumn<int>("item9");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected9");
        QTest::addColumn<int>("expected5");
        QTest::newRow("step code 0 shows 50, inhibit checked") << 0x06 << "50"
                                                               << "cxFmDw" << 1 << 0x16 << 0xB6;
        QTest::newRow("step 200 to 100") << 0x36 << "200"
                                         << "cxStep" << 1 << 0x26 << 0xF6;
    }
    void StoresStepAndInhibit()
    {
        QFETCH(int, item9);
        QFETCH(QString, step);
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(int, expected9);
        QFETCH(int, expected5);
        Item(9) = static_cast<uint8_t>(item9);
        Item(5) = 0xF6;
        auto window = OpenWindow();
        QCOMPARE(window->findChild<QComboBox*>("cxStep")->currentText(), step);
        QVERIFY(!window->findChild<QCheckBox*>("cxFmDw")->isChecked());
        QCOMPARE(window->findChild<QLineEdit*>("cxFM_Min")->text(), QString("76.000"));
        QCOMPARE(window->findChild<QLineEdit*>("cxFM_Max")->text(), QString("107.000"));
        QVERIFY(!gAll.Modified);
        if (auto* list = window->findChild<QComboBox*>(control))
            list->setCurrentIndex(value);
        else
            window->findChild<QCheckBox*>(control)->setChecked(value != 0);
        QCOMPARE(int(Item(9)), expected9);
        QCOMPARE(int(Item(5)), expected5);
        QVERIFY(gAll.Modified);
    }
};

QTEST_MAIN(TestFmFun)
#include "tst_FmRadioWindow.moc"
