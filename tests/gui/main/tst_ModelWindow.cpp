// SPDX-License-Identifier: GPL-3.0-or-later
// The Model Information dialog with the built-in model and a new image.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/files/StartUp.h"
#include "gui/main/ModelWindow.h"
#include "helpers/TestSupport.h"

namespace
{

QStringList EdgeTexts(const TModelWindow& dialog)
{
    QStringList texts;
    for (const auto& row : dialog.Rows)
        texts << row.cxFreqL->text() << row.cxFreqH->text();
    return texts;
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void showsTheImageBands()
    {
        TModelWindow dialog;
        dialog.show();
        QCOMPARE(dialog.cxModel->currentText(), QStringLiteral("QB-H52"));
        QCOMPARE(EdgeTexts(dialog), (QStringList{"400.00000", "480.00000", "136.00000", "174.00000", "245.00000",
                                                 "246.00000", "350.00000", "400.00000"}));
        const std::array<bool, 4> used = {true, true, false, false};
        for (int band = 0; band < 4; ++band) {
            const auto& row = dialog.Rows[band];
            QCOMPARE(row.lFreq->text(), QStringLiteral("Freq. Range%1").arg(band + 1));
            QCOMPARE(row.cxUse->isChecked(), used[band]);
            QCOMPARE(row.cxFreqL->isEnabled(), used[band]);
            QVERIFY(row.cxUse->isVisible());
            QVERIFY(!row.cxSel->isVisible());
        }
        QCOMPARE(dialog.Rows[1].cxFreqL->toolTip(), QStringLiteral("134.00000"));
        QCOMPARE(dialog.Rows[1].cxFreqH->toolTip(), QStringLiteral("176.00000"));
        QVERIFY(!dialog.OkResult);
    }

    void edgesFollowTheLimits_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<bool>("low");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lowAfter");
        QTest::addColumn<QString>("highAfter");
        QTest::newRow("low above high edge") << 0 << true << "500"
                                             << "480.00000"
                                             << "480.00000";
        QTest::newRow("low below limit") << 0 << true << "300"
                                         << "400.00000"
                                         << "480.00000";
        QTest::newRow("low 0 takes limit") << 1 << true << "0"
                                           << "134.00000"
                                           << "174.00000";
        QTest::newRow("low rounds up") << 1 << true << "145.0013"
                                       << "145.00250"
                                       << "174.00000";
        QTest::newRow("low rounds down") << 1 << true << "145.0012"
                                         << "145.00000"
                                         << "174.00000";
        QTest::newRow("high 0 takes limit") << 1 << false << "0"
                                            << "136.00000"
                                            << "176.00000";
        QTest::newRow("high inside limits") << 0 << false << "410"
                                            << "400.00000"
                                            << "410.00000";
        QTest::newRow("high under low edge") << 1 << false << "135"
                                             << "136.00000"
                                             << "136.00000";
        QTest::newRow("high above limit") << 0 << false << "600"
                                          << "400.00000"
                                          << "520.00000";
    }

    void edgesFollowTheLimits()
    {
        QFETCH(int, band);
        QFETCH(bool, low);
        QFETCH(QString, typed);
        QFETCH(QString, lowAfter);
        QFETCH(QString, highAfter);
        TModelWindow dialog;
        dialog.show();
        const auto& row = dialog.Rows[band];
        Type(low ? row.cxFreqL : row.cxFreqH, typed);
        QCOMPARE(row.cxFreqL->text(), lowAfter);
        QCOMPARE(row.cxFreqH->text(), highAfter);
    }

    void clearingAUseBoxRestoresTheDefaults()
    {
        TModelWindow dialog;
        dialog.show();
        const auto& row = dialog.Rows[0];
        Type(row.cxFreqL, QStringLiteral("420"));
        QCOMPARE(row.cxFreqL->text(), QStringLiteral("420.00000"));
        row.cxUse->setChecked(false);
        QCOMPARE(row.cxFreqL->text(), QStringLiteral("400.00000"));
        QCOMPARE(row.cxFreqH->text(), QStringLiteral("480.00000"));
        QVERIFY(!row.cxFreqL->isEnabled());
        QVERIFY(!row.cxFreqH->isEnabled());
    }

    void okWithOnlyAnUnsupportedBandIsRefused()
    {
        TMessageRecorder recorder;
        TModelWindow dialog;
        dialog.show();
        const TAppState before = gAll;
        dialog.Rows[0].cxUse->setChecked(false);
        dialog.Rows[1].cxUse->setChecked(false);
        dialog.Rows[3].cxUse->setChecked(true);
        dialog.btnOk->click();
        QCOMPARE(recorder.Shown.size(), 1);
        QCOMPARE(recorder.Shown[0].Caption, QStringLiteral("Caution"));
        QCOMPARE(recorder.Shown[0].Text, QStringLiteral("The frequency is outside the radio's bands."));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.OkResult);
        QCOMPARE(gAll.BandMask, before.BandMask);
        QCOMPARE(gAll.Bands[3].Low, before.Bands[3].Low);
    }

    void okStoresModelAndBands()
    {
        TMessageRecorder recorder;
        TModelWindow dialog;
        dialog.show();
        dialog.Rows[2].cxUse->setChecked(true);
        dialog.Rows[3].cxUse->setChecked(true);
        Type(dialog.Rows[1].cxFreqH, QStringLiteral("170"));
        dialog.btnOk->click();
        QVERIFY(recorder.Shown.isEmpty());
        QVERIFY(dialog.OkResult);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(gAll.BandMask, uint8_t(0x15)); // band 4 is not supported by the model
        QCOMPARE(gAll.Bands[1].High, 170.0);
        QCOMPARE(gAll.Bands[2].Low, 245.0);
        QCOMPARE(gAll.Bands[3].High, 400.0); // kept although the band is not supported
        QCOMPARE(gAll.ModelId, std::string("LP47"));
    }

    void cancelChangesNothing()
    {
        TModelWindow dialog;
        dialog.show();
        const TAppState before = gAll;
        dialog.Rows[0].cxUse->setChecked(false);
        dialog.btnCancel->click();
        QVERIFY(!dialog.OkResult);
        QCOMPARE(gAll.BandMask, before.BandMask);
    }
};

QTEST_MAIN(TestModel)
#include "tst_ModelWindow.moc"
