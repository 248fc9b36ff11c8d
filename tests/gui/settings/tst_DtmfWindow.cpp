// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window: the lists of items 29 to 35 rewritten together, and the four code boxes with their digit
// packing and lengths.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <array>
#include <memory>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "gui/settings/DtmfWindow.h"
#include "helpers/TestSupport.h"

namespace
{
constexpr int kFirstItem = 29;
constexpr int kLastItem = 63;

// Items 29 to 63 of the prepared image: speed 5, first digit 300 ms / delay 300 ms, stun type "Tx Inhibit",
// star/hash 500 ms, group code 6 (beyond the list), no begin and no end code (PTT ID selection 0, bit 7 set),
// transpond "Alert", auto reset 3 s, code space 800 ms, decode time-out 1000 ms, ID 123456, stun code ABC;
// stored begin code 12 and end code 9876.
constexpr std::array<uint8_t, 35> kPrepared = {0x01, 0x23, 0x96, 0x8C, 0x13, 0x25, 0x31, 0x12, 0x34, 0x56, 0x77, 0x03,
                                               0xAB, 0xCF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0xFF, 0xFF, 0xFF, 0xFF,
                                               0xFF, 0xFF, 0xFF, 0x98, 0x76, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

uint8_t& Item(int k)
{
    return gAll.Image[kSettingsBase + k];
}

void Prepare(int item32)
{
    for (int k = kFirstItem; k <= kLastItem; ++k)
        Item(k) = kPrepared[k - kFirstItem];
    Item(32) = static_cast<uint8_t>(item32);
    gAll.Modified = false;
}

std::unique_ptr<TDtmfWindow> OpenWindow()
{
    auto window = std::make_unique<TDtmfWindow>();
    window->show();
    return window;
}

// Every item from 29 to 63 holds the prepared value, or the value the pairs (item, value) in changes give.
void VerifyItems(int item32, const QList<int>& changes)
{
    std::array<int, kLastItem + 1> expected{};
    for (int k = kFirstItem; k <= kLastItem; ++k)
        expected[k] = kPrepared[k - kFirstItem];
    expected[32] = item32;
    for (int i = 0; i + 1 < changes.size(); i += 2)
        expected[changes[i]] = changes[i + 1];
    for (int k = kFirstItem; k <= kLastItem; ++k)
        QVERIFY2(Item(k) == expected[k], qPrintable(QString("item %1 holds %2, expected %3")
                                                        .arg(k)
                                                        .arg(Item(k), 2, 16, QChar('0'))
                                                        .arg(expected[k], 2, 16, QChar('0'))));
}

void ClearBox(QLineEdit* box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}
} // namespace

class TestDtmfFun : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitTestState(); }
    void init()
    {
        NewDataSet(gAll, gMacList);
        gAll.DtmfDecode = true;
    }

    void LoadsCodes_data()
    {
        QTest::addColumn<int>("item32");
        QTest::addColumn<int>("item36");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no begin, no end code") << 0x8C << 0x12 << QStringList{"", "", "123456", "ABC"};
        QTest::newRow("begin and end codes") << 0x80 << 0x12 << QStringList{"12", "9876", "123456", "ABC"};
        QTest::newRow("ID whose first digit is no digit") << 0x8C << 0xA2 << QStringList{"", "", "000", "ABC"};
        QTest::newRow("ID cut at its first non-digit") << 0x8C << 0x1F << QStringList{"", "", "000", "ABC"};
    }
    void LoadsCodes()
    {
        QFETCH(int, item32);
        QFETCH(int, item36);
        QFETCH(QStringList, shown);
        Prepare(item32);
        Item(36) = static_cast<uint8_t>(item36);
        auto window = OpenWindow();
        const QStringList boxes{"cxEntv", "cxEndv", "cxIdSv", "cxStunSv"};
        for (int i = 0; i < boxes.size(); ++i)
            QCOMPARE(window->findChild<QLineEdit*>(boxes[i])->text(), shown[i]);
        QCOMPARE(window->findChild<QComboBox*>("cxEfSv")->currentText(), QString("500"));
        QCOMPARE(window->findChild<QComboBox*>("cxGroup")->currentIndex(), -1);
        QVERIFY(!gAll.Modified);
    }

    void StoresCodeBox_data()
    {
        QTest::addColumn<int>("item32");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("changes");
        QTest::newRow("begin 123A") << 0x8C << "cxEntv"
                                    << "123A"
                                    << "123A" << QList<int>{32, 0x88, 35, 0x33, 48, 0x12, 49, 0x3A};
        QTest::newRow("end typed in lower case")
            << 0x8C << "cxEndv"
            << "9ab#"
            << "9AB#" << QList<int>{32, 0x84, 56, 0x9A, 57, 0xBE, 58, 0xFF, 59, 0xFF};
        QTest::newRow("16-digit begin code")
            << 0x8C << "cxEntv"
            << "0123456789ABCD#*9"
            << "0123456789ABCD#*" << QList<int>{32, 0x88, 35, 0x3F, 48, 0x01, 49, 0x23, 50, 0x45,
                                                51, 0x67, 52, 0x89, 53, 0xAB, 54, 0xCD, 55, 0xEF};
        // Clearing keeps the stored digits and length; only the "no code" bit is set.
        QTest::newRow("end cleared") << 0x80 << "cxEndv"
                                     << ""
                                     << "" << QList<int>{32, 0x88};
        QTest::newRow("ID 5") << 0x8C << "cxIdSv"
                              << "5"
                              << "5" << QList<int>{36, 0x50, 37, 0x0F, 38, 0xFF};
        QTest::newRow("ID keys are digits") << 0x8C << "cxIdSv"
                                            << "9A*8#76"
                                            << "9876" << QList<int>{36, 0x98, 37, 0x76, 38, 0xFF};
        QTest::newRow("stun 1234") << 0x8C << "cxStunSv"
                                   << "1234"
                                   << "1234" << QList<int>{40, 4, 41, 0x12, 42, 0x34, 43, 0xFF};
        QTest::newRow("stun keys are DTMF characters") << 0x8C << "cxStunSv"
                                                       << "1,2.x#"
                                                       << "12#" << QList<int>{40, 3, 41, 0x12, 42, 0xEF, 43, 0xFF};
        QTest::newRow("stun cleared") << 0x8C << "cxStunSv"
                                      << ""
                                      << "" << QList<int>{40, 0, 41, 0xFF, 42, 0xFF};
    }
    void StoresCodeBox()
    {
        QFETCH(int, item32);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QList<int>, changes);
        Prepare(item32);
        auto window = OpenWindow();
        auto* edit = window->findChild<QLineEdit*>(box);
        QVERIFY(edit->isEnabled());
        ClearBox(edit);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        VerifyItems(item32, changes);
        QVERIFY(gAll.Modified);

        window = OpenWindow();
        const QString reread = box == "cxIdSv" && shown.size() < 3 ? shown.leftJustified(3, '0') : shown;
        QCOMPARE(window->findChild<QLineEdit*>(box)->text(), reread);
    }

    // Any list change rewrites every list of the window, the hidden PTT ID selection as "BOTH" (3).
    void StoresListsOnOneChange_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("changes");
        QTest::newRow("speed") << "cxRate" << 5 << QList<int>{29, 0x05, 32, 0x8F};
        QTest::newRow("star/hash 0 ms is code 3") << "cxEfSv" << 0 << QList<int>{31, 0xB6, 32, 0x8F};
        QTest::newRow("star/hash 1000 ms is code 2") << "cxEfSv" << 3 << QList<int>{31, 0xA6, 32, 0x8F};
        QTest::newRow("side tone") << "cxBeep" << 1 << QList<int>{31, 0xD6, 32, 0x8F};
        QTest::newRow("stun type") << "cxStunSw" << 0 << QList<int>{31, 0x16, 32, 0x8F};
        QTest::newRow("code space time") << "cxTxTs" << 15 << QList<int>{34, 0xF5, 32, 0x8F};
        QTest::newRow("TX decode") << "cxTxYs" << 1 << QList<int>{32, 0xCF};
        QTest::newRow("auto reset") << "cxBack" << 15 << QList<int>{33, 0x1F, 32, 0x8F};
    }
    void StoresListsOnOneChange()
    {
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(QList<int>, changes);
        Prepare(0x8C);
        auto window = OpenWindow();
        if (auto* list = window->findChild<QComboBox*>(control))
            list->setCurrentIndex(value);
        else
            window->findChild<QCheckBox*>(control)->setChecked(value != 0);
        VerifyItems(0x8C, changes);
        QVERIFY(gAll.Modified);
    }

    void PasteIsFiltered()
    {
        Prepare(0x8C);
        auto window = OpenWindow();
        auto* stun = window->findChild<QLineEdit*>("cxStunSv");
        ClearBox(stun);
        QGuiApplication::clipboard()->setText("1a, x*");
        QTest::keyClick(stun, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(stun->text(), QString("1A*"));
        VerifyItems(0x8C, {40, 3, 41, 0x1A, 42, 0xFF, 43, 0xFF});
    }

    void DecodePageFollowsDtmfDecode()
    {
        gAll.DtmfDecode = false;
        auto window = OpenWindow();
        auto* pages = window->findChild<QTabWidget*>();
        auto* decode = window->findChild<QWidget*>("cxDecode");
        QVERIFY(!pages->isTabVisible(pages->indexOf(decode)));
        QVERIFY(!decode->isEnabled());
        gAll.DtmfDecode = true;
        window = OpenWindow();
        QVERIFY(window->findChild<QTabWidget*>()->isTabVisible(1));
    }
};

QTEST_MAIN(TestDtmfFun)
#include "tst_DtmfWindow.moc"
