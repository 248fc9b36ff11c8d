// SPDX-License-Identifier: GPL-3.0-or-later
// The optional functions window: items 3 to 7 and 13, the radio name in items 16 to 22 and the manual-frequency
// byte, all rewritten from the controls on any change.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <array>
#include <memory>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "gui/settings/OptionalFunctionsWindow.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr std::array<int, 6> kOptionItems = {3, 4, 5, 6, 7, 13};
constexpr int kManualFreqByte = 0x11FD;

uint8_t& Item(int k)
{
    return gAll.Image[kSettingsBase + k];
}

void SetOptionItems(const QByteArray& bytes)
{
    for (size_t i = 0; i < kOptionItems.size(); ++i)
        Item(kOptionItems[i]) = static_cast<uint8_t>(bytes[int(i)]);
}

QByteArray OptionItems()
{
    QByteArray bytes;
    for (int item : kOptionItems)
        bytes += char(Item(item));
    return bytes;
}

QByteArray NameItems()
{
    return QByteArray(reinterpret_cast<const char*>(&Item(16)), 7);
}

std::unique_ptr<TOptionalFunctionsWindow> OpenWindow()
{
    auto window = std::make_unique<TOptionalFunctionsWindow>();
    window->show();
    return window;
}
} // namespace

class TestOptFun : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }
    void init()
    {
        NewDataSet(gAll, gMacList);
        gAll.LanguageIndex = 0;
        gAll.LanguageName = "English";
    }

    // Items 3, 4, 5, 6, 7 and 13 before and after one change.
    void StoresAllFieldsOnOneChange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("lamp, other bits set")
            << QByteArray("\xFF\xFF\xFF\xF6\x99\xF5") << "cxLamp" << 1 << QByteArray("\xFF\xFF\xEF\xF6\x99\xF5");
        QTest::newRow("lamp, other bits clear")
            << QByteArray("\x0F\x00\x00\x00\x00\x00", 6) << "cxLamp" << 2 << QByteArray("\x0F\x00\x10\x00\x00\x00", 6);
        QTest::newRow("values with no item keep their bits")
            << QByteArray("\x0F\x00\x00\x0F\x00\x00", 6) << "cxLamp" << 1 << QByteArray("\x0F\x00\x08\x0F\x00\x00", 6);
        QTest::newRow("mode 12 written as 14")
            << QByteArray("\x0C\x00\x00\x00\x00\x00", 6) << "cxLamp" << 1 << QByteArray("\x0E\x00\x08\x00\x00\x00", 6);
        QTest::newRow("mode 9 written as 13") << QByteArray("\x09\x00\x00\x00\x00\x00", 6) << "cxToneEs" << 1
                                              << QByteArray("\x0D\x00\x01\x00\x00\x00", 6);
        QTest::newRow("battery save 1:3")
            << QByteArray("\x0F\x00\x00\x00\x00\x00", 6) << "cxRxSav" << 3 << QByteArray("\x0F\x06\x00\x00\x00\x00", 6);
        QTest::newRow("battery save off keeps ratio")
            << QByteArray("\x0F\x07\x00\x00\x00\x00", 6) << "cxRxSav" << 0 << QByteArray("\x0F\x03\x00\x00\x00\x00", 6);
        QTest::newRow("voice Chinese") << QByteArray("\x0F\x00\x00\x00\x00\x00", 6) << "cxWavsSw" << 2
                                       << QByteArray("\x0F\x00\x06\x00\x00\x00", 6);
        QTest::newRow("voice off keeps language") << QByteArray("\x0F\x00\x06\x00\x00\x00", 6) << "cxWavsSw" << 0
                                                  << QByteArray("\x0F\x00\x04\x00\x00\x00", 6);
        QTest::newRow("time-out 360, hidden band-4 bit kept") << QByteArray("\x0F\x00\x80\x00\x05\x00", 6) << "cxTotSv"
                                                              << 12 << QByteArray("\x0F\x00\x80\x00\xC5\x00", 6);
        QTest::newRow("manual setting checked") << QByteArray("\x0F\x00\x00\x21\x00\x00", 6) << "cxMenuSet" << 1
                                                << QByteArray("\x0F\x00\x00\x61\x00\x00", 6);
        QTest::newRow("relay setting cleared") << QByteArray("\x0F\x00\x00\x20\x00\x00", 6) << "cxRelaySet" << 0
                                               << QByteArray("\x0F\x00\x00\x00\x00\x00", 6);
    }
    void StoresAllFieldsOnOneChange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(QByteArray, expected);
        SetOptionItems(stored);
        auto window = OpenWindow();
        QCOMPARE(OptionItems(), stored);
        QVERIFY(!gAll.Modified);

        if (auto* list = window->findChild<QComboBox*>(control))
            list->setCurrentIndex(value);
        else
            window->findChild<QCheckBox*>(control)->setChecked(value != 0);
        QCOMPARE(OptionItems().toHex(' '), expected.toHex(' '));
        QVERIFY(gAll.Modified);
        QCOMPARE(int(gAll.Image[kManualFreqByte]), 0xFF);
        // The erased name of a new image is rewritten as seven spaces, code 0.
        QCOMPARE(NameItems(), QByteArray(7, '\0'));
    }

    void ModeCodesShowAndWriteBack()
    {
        // For each stored code 0 to 15: the item shown and the code written back.
        const std::array<const char*, 16> shown = {
            "FM Chs.", "FM Chs.",   "FM Chs.", "FM Chs.", "FM Freq.", "FM Freq.",  "FM Freq.", "FM Freq.",
            "Chs.",    "Chs Freq.", "Chs.",    "Freq.",   "Chs.",     "Chs Freq.", "Chs.",     "Freq."};
        const std::array<int, 16> written = {3, 3, 3, 3, 7, 7, 7, 7, 14, 13, 14, 15, 14, 13, 14, 15};
        for (int code = 0; code < 16; ++code) {
            Item(3) = static_cast<uint8_t>(0x50 | code);
            auto window = OpenWindow();
            QCOMPARE(window->findChild<QComboBox*>("cxModeSw")->currentText(), QString(shown[code]));
            window->findChild<QCheckBox*>("cxMenuSet")->toggle();
            QCOMPARE(int(Item(3)), 0x50 | written[code]);
        }
    }

    void RadioNameIsCodedAndFiltered()
    {
        auto window = OpenWindow();
        auto* name = window->findChild<QLineEdit*>("cxOpenMsg");
        QTest::keyClicks(name, "A~b{c");
        QCOMPARE(name->text(), QString("Abc"));
        // Stored as typed, without waiting for the box to be left.
        QCOMPARE(NameItems(), QByteArray("\x21\x42\x43\x00\x00\x00\x00", 7));
        QVERIFY(gAll.Modified);
        QTest::keyClicks(name, "defgh");
        QCOMPARE(NameItems(), QByteArray("\x21\x42\x43\x44\x45\x46\x47", 7));

        Item(16 + 6) = 0x00;
        window = OpenWindow();
        QCOMPARE(window->findChild<QLineEdit*>("cxOpenMsg")->text(), QString("Abcdef"));
    }

    void ManualFrequencyByte_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        QTest::newRow("No") << 0xAA << "Yes" << 1 << 0xFF;
        QTest::newRow("Yes") << 0xFF << "No" << 0 << 0xAA;
        QTest::newRow("any other value reads No") << 0x00 << "No" << 0 << 0xAA;
    }
    void ManualFrequencyByte()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, index);
        QFETCH(int, expected);
        gAll.ManualFreq = static_cast<uint8_t>(stored);
        auto window = OpenWindow();
        auto* list = window->findChild<QComboBox*>("cxFrq_Use");
        QCOMPARE(list->currentText(), shown);
        list->setCurrentIndex(index);
        QCOMPARE(int(gAll.ManualFreq), expected);
        QCOMPARE(int(gAll.Image[kManualFreqByte]), expected);
    }

    void ChineseTextsKeepValueLists()
    {
        gAll.LanguageIndex = 1;
        gAll.LanguageName = "Chinese";
        Item(7) = 0x23;
        auto window = OpenWindow();
        QVERIFY(window->windowTitle() != "Optional Function");
        auto* timeOut = window->findChild<QComboBox*>("cxTotSv");
        QVERIFY(timeOut->itemText(0) != "Off");
        QCOMPARE(timeOut->itemText(1), QString("30"));
        QCOMPARE(timeOut->currentText(), QString("60"));
        QCOMPARE(window->findChild<QComboBox*>("cxSqlLv")->currentText(), QString("3"));
        QVERIFY(!gAll.Modified);
    }
};

QTEST_MAIN(TestOptFun)
#include "tst_OptionalFunctionsWindow.moc"
