// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/TonePicker.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/kit/ApplyLanguage.h"

namespace
{
// The radio's tone table: 42 CTCSS tones (code-frequency-label), three spare places, 85 DCS codes
// (number-code) and three spare places; read by position.
const char* const kCtcssEntries[] = {
    "01-67.0-XZ",  "02-69.3-WZ",  "03-71.9-XA",  "04-74.4-WA",  "05-77.0-XB",  "06-79.7-WB",  "07-82.5-YZ",
    "08-85.4-YA",  "09-88.5-YB",  "0A-91.5-ZZ",  "0B-94.8-ZA",  "0C-97.4-ZB",  "0D-100.0-1Z", "0E-103.5-1A",
    "0F-107.2-1B", "10-110.9-2Z", "11-114.8-2A", "12-118.8-2B", "13-123.0-3Z", "14-127.3-3A", "15-131.8-3B",
    "16-136.5-4Z", "17-141.3-4A", "18-146.2-4B", "19-151.4-5Z", "1A-156.7-5A", "1B-162.2-5B", "1C-167.9-6Z",
    "1D-173.8-6A", "1E-179.9-6B", "1F-186.2-7Z", "20-192.8-7A", "21-203.5-M1", "22-206.5-8Z", "23-210.7-M2",
    "24-218.1-M3", "25-225.7-M4", "26-229.1-9Z", "27-233.6-M5", "28-241.8-M6", "29-250.3-M7", "2A-254.1-0Z",
};
const char* const kDcsCodes[] = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072", "073", "074", "114",
    "115", "116", "125", "131", "132", "134", "143", "152", "155", "156", "162", "165", "172", "174", "205",
    "223", "226", "243", "244", "245", "251", "261", "263", "265", "271", "306", "311", "315", "331", "343",
    "346", "351", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
    "503", "506", "516", "525", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654",
    "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};
constexpr int kEntryCount = 133;
constexpr int kFirstDcsEntry = 45;
constexpr int kCtcssColumns = 3;
constexpr int kDcsColumns = 2;
} // namespace

TTonePicker::TTonePicker(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    const char* names[3] = {"rCTCSS", "rDCSN", "rDCSI"};
    const char* captions[3] = {"CTCSS", "DCS-N", "DCS-I"};
    for (int i = 0; i < 3; ++i) {
        Buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        Buttons[i]->setObjectName(QString::fromLatin1(names[i]));
        buttons->addWidget(Buttons[i]);
        connect(Buttons[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                SelectGrid(i);
        });
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    gbList = new QGroupBox(QStringLiteral("CTCSS"), this);
    gbList->setObjectName(QStringLiteral("gbList"));
    auto* gridLayout = new QVBoxLayout(gbList);
    Grids[0] = NewGrid(QStringLiteral("gvCtcss"), 5, kCtcssColumns, 9);
    Grids[1] = NewGrid(QStringLiteral("gvDcsN"), 8, kDcsColumns, 11);
    Grids[2] = NewGrid(QStringLiteral("gvDcsI"), 8, kDcsColumns, 11);
    for (int i = 0; i < 3; ++i) {
        gridLayout->addWidget(Grids[i]);
        const int columnsPerGroup = i == 0 ? kCtcssColumns : kDcsColumns;
        connect(Grids[i], &QTableWidget::cellDoubleClicked, this, [this, i, columnsPerGroup](int row, int column) {
            GridDoubleClick(Grids[i], row, column, columnsPerGroup);
        });
    }
    layout->addWidget(gbList);
    BuildLists();
    FillCtcss();
    FillDcs(Grids[1], QStringLiteral("N"));
    FillDcs(Grids[2], QStringLiteral("I"));
    for (QTableWidget* grid : Grids)
        FitGrid(grid);
    Buttons[0]->setChecked(true);
    SelectGrid(0);
}

QTableWidget* TTonePicker::Grid(int position) const
{
    return Grids[position];
}

void TTonePicker::BuildLists()
{
    lbValue = new QListWidget(this);
    lbValue->setObjectName(QStringLiteral("lbValue"));
    lbValue->setProperty("tag", -2);
    lbValue->hide();
    for (const char* entry : kCtcssEntries)
        lbValue->addItem(QString::fromLatin1(entry));
    while (lbValue->count() < kFirstDcsEntry)
        lbValue->addItem(QString());
    int number = 1;
    for (const char* code : kDcsCodes)
        lbValue->addItem(QString::number(number++) + QStringLiteral("-D") + QString::fromLatin1(code));
    while (lbValue->count() < kEntryCount)
        lbValue->addItem(QString());
    lbSel = new QListWidget(this);
    lbSel->setObjectName(QStringLiteral("lbSel"));
    lbSel->hide();
    lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
}

QTableWidget* TTonePicker::NewGrid(const QString& name, int groups, int columnsPerGroup, int rows)
{
    auto* grid = new QTableWidget(rows, groups * columnsPerGroup, this);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void TTonePicker::SetCell(QTableWidget* grid, int row, int column, const QString& text, bool value)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (value) {
        // The value cells are the ones a double click takes; bold tells them from their labels.
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    grid->setItem(row, column, item);
}

void TTonePicker::FillCtcss()
{
    QTableWidget* grid = Grids[0];
    for (int column = 0; column < grid->columnCount(); ++column) {
        const int group = column / kCtcssColumns;
        const int part = column % kCtcssColumns;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QStringList parts = lbValue->item(9 * group + row)->text().split(u'-');
            SetCell(grid, row, column, part < parts.size() ? parts[part] : QString(), part == 1);
        }
    }
}

void TTonePicker::FillDcs(QTableWidget* grid, const QString& polarity)
{
    for (int column = 0; column < grid->columnCount(); ++column) {
        const int group = column / kDcsColumns;
        const int part = column % kDcsColumns;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QStringList parts = lbValue->item(kFirstDcsEntry + 11 * group + row)->text().split(u'-');
            QString text;
            if (parts.size() == 2)
                text = part == 0 ? parts[0] : parts[1] + polarity;
            SetCell(grid, row, column, text, part == 1);
        }
    }
}

// Every cell readable at once: the table is small enough to need no scrolling.
void TTonePicker::FitGrid(QTableWidget* grid)
{
    grid->resizeColumnsToContents();
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, grid->columnWidth(column) + 8);
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(grid->horizontalHeader()->length() + frame, grid->verticalHeader()->length() + frame);
}

void TTonePicker::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    ToneResult.clear();
    ApplyLanguage(this, false);
    for (int i = 0; i < 3; ++i) {
        if (Buttons[i]->isChecked())
            SelectGrid(i);
    }
}

void TTonePicker::SelectGrid(int position)
{
    for (int i = 0; i < 3; ++i)
        Grids[i]->setVisible(i == position);
    gbList->setTitle(lbSel->item(position)->text());
}

void TTonePicker::GridDoubleClick(QTableWidget* grid, int row, int column, int columnsPerGroup)
{
    if (column % columnsPerGroup != 1)
        return;
    const QTableWidgetItem* item = grid->item(row, column);
    ToneResult = item ? item->text().toStdString() : std::string();
    accept();
}
