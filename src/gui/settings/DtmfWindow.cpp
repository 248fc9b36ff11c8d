#include "gui/settings/DtmfWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"

namespace
{
constexpr int kBeginTag = 1;
constexpr int kEndTag = 2;
constexpr int kIdTag = 3;
constexpr int kStunTag = 4;
constexpr int kCodeLength = 16;
constexpr int kIdLength = 6;
constexpr int kIdMinLength = 3;
constexpr int kStunLength = 10;
constexpr int kBothPttId = 3;

// Lets only the characters of a code into its box, typed or pasted by keyboard; letters count in either case.
// Shortcuts and editing keys pass; the context menu, whose paste would bypass the filter, is switched off.
class TCodeKeys : public QObject
{
  public:
    TCodeKeys(const QString& allowed, QLineEdit* box) : QObject(box), Allowed(allowed), Box(box)
    {
        box->installEventFilter(this);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            Box->insert(Filtered(QGuiApplication::clipboard()->text()));
            return true;
        }
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isPrint() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        return Filtered(text).isEmpty();
    }

  private:
    QString Filtered(const QString& text) const
    {
        QString kept;
        for (const QChar c : text)
            if (Allowed.contains(c.toUpper()))
                kept += c;
        return kept;
    }

    QString Allowed;
    QLineEdit* Box;
};

// The star/hash tone list shows "0" first, but the radio's code 0 is 100 ms and code 3 is none.
int StarHashIndex(int code)
{
    return (code + 1) % 4;
}

int StarHashCode(int index)
{
    return index >= 1 && index <= 3 ? index - 1 : 3;
}

// A begin or end code: none when its "no code" bit is set, else item 35 under lengthMask holds its length - 1.
QString CodeText(int noCodeBit, uint8_t lengthMask, int firstItem)
{
    if (GetSetting(gAll, 32, static_cast<uint8_t>(1 << noCodeBit)) != 0)
        return QString();
    return QString::fromStdString(ReadDigits(firstItem, GetSetting(gAll, 35, lengthMask) + 1, 15));
}

// A begin or end code: an empty box only sets its "no code" bit and keeps the stored digits and length.
void StoreTxCode(const std::string& text, int noCodeBit, uint8_t lengthMask, int firstItem)
{
    const auto noCodeMask = static_cast<uint8_t>(1 << noCodeBit);
    if (text.empty()) {
        SetSetting(gAll, 32, noCodeMask, 1);
        return;
    }
    SetSetting(gAll, 32, noCodeMask, 0);
    SetSetting(gAll, 35, lengthMask, static_cast<int>(text.size()) - 1);
    WriteDigits(firstItem, kCodeLength, text);
}
} // namespace

void WriteDigits(int item, int n, const std::string& text)
{
    std::string digits = text.substr(0, n);
    digits.resize(n, '*');
    for (int i = 0; i < n; i += 2) {
        const int low = i + 1 < n ? DtmfCode(digits[i + 1]) : 0;
        SetSetting(gAll, item + i / 2, 0xFF, DtmfCode(digits[i]) * 16 + low);
    }
    gAll.Modified = true;
}

std::string ReadDigits(int item, int n, int limit)
{
    std::string text;
    for (int i = 0; i < n; ++i) {
        const int byte = GetSetting(gAll, item + i / 2, 0xFF);
        const int code = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (code > limit)
            break;
        text += DtmfChar(code);
    }
    return text;
}

TDtmfWindow::TDtmfWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fDtmfFun"));
    setWindowTitle(QStringLiteral("DTMF Function"));
    auto* layout = new QGridLayout(this);
    pcDtmf = new QTabWidget(this);
    pcDtmf->setObjectName(QStringLiteral("pcDtmf"));
    pcDtmf->addTab(BuildEncodePage(), QStringLiteral("Encode"));
    cxDecode = BuildDecodePage();
    pcDtmf->addTab(cxDecode, QStringLiteral("Decode"));
    layout->addWidget(pcDtmf, 0, 0, 1, 2);
    layout->addWidget(AddCloseButton(), 1, 1);

    for (QComboBox* list : findChildren<QComboBox*>())
        if (list != cxPtts && list != cxStunSw)
            connect(list, &QComboBox::currentIndexChanged, this, &TDtmfWindow::ListChanged);
    connect(cxBeep, &QCheckBox::toggled, this, &TDtmfWindow::ListChanged);
    // Both run the enabling of the code boxes, also while the window is filled.
    for (QComboBox* list : {cxPtts, cxStunSw})
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            EnableCodeBoxes();
            ListChanged();
        });
}

QWidget* TDtmfWindow::BuildEncodePage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("cxEnCode"));
    auto* pageLayout = new QVBoxLayout(page);
    auto* encode = new QGroupBox(QStringLiteral("Encode"), page);
    encode->setObjectName(QStringLiteral("cgEnCode"));
    pageLayout->addWidget(encode);
    auto* grid = new QGridLayout(encode);
    cxRate = AddList(grid, 0, 0, "clRate", QStringLiteral("DTMF Speed[digit/s]"), "cxRate", NumberItems(4, 15));
    cxFiSv =
        AddList(grid, 1, 0, "clFiTs", QStringLiteral("First Digit Time [ms]"), "cxFiSv", NumberItems(0, 1000, 100));
    cxFiDv =
        AddList(grid, 2, 0, "clFiDv", QStringLiteral("First Digit Delay [ms]"), "cxFiDv", NumberItems(100, 1000, 100));
    cxEfSv = AddList(grid, 3, 0, "clEfSv", QStringLiteral("* and # Tone [ms]"), "cxEfSv", {"0", "100", "500", "1000"});
    cxTxTs = AddList(grid, 4, 0, "clTxTs", QStringLiteral("Code Space Time[ms]"), "cxTxTs",
                     QStringList{"None"} + NumberItems(600, 2000, 100));
    cxAbcd = AddList(grid, 5, 0, "clAbcd", QStringLiteral("Code[A,B,C,D]"), "cxAbcd", {"Inhibit", "On"});
    cxBeep = new QCheckBox(QStringLiteral("DTMF Side Tone"), encode);
    cxBeep->setObjectName(QStringLiteral("cxBeep"));
    grid->addWidget(cxBeep, 6, 0, 1, 2);

    auto* pttId = new QGroupBox(QStringLiteral("PTT ID"), page);
    pttId->setObjectName(QStringLiteral("cgPtts"));
    pageLayout->addWidget(pttId);
    auto* pttGrid = new QGridLayout(pttId);
    cxEntv = AddCodeBox(pttGrid, 0, "clEnt", QStringLiteral("Begin of Tx"), "cxEntv", kBeginTag, kCodeLength);
    cxEndv = AddCodeBox(pttGrid, 1, "clEnd", QStringLiteral("End of Tx"), "cxEndv", kEndTag, kCodeLength);
    // Every load selects "BOTH", so both code boxes stay enabled; the list is kept for its bits only.
    cxPtts = new QComboBox(pttId);
    cxPtts->setObjectName(QStringLiteral("cxPtts"));
    cxPtts->addItems({"OFF", "BOT", "EOT", "BOTH"});
    cxPtts->hide();
    return page;
}

QWidget* TDtmfWindow::BuildDecodePage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("cxDecode"));
    auto* pageLayout = new QVBoxLayout(page);
    auto* decode = new QGroupBox(QStringLiteral("Decode"), page);
    decode->setObjectName(QStringLiteral("cgDeCode"));
    pageLayout->addWidget(decode);
    auto* grid = new QGridLayout(decode);
    cxIdSv = AddCodeBox(grid, 0, "clIdSv", QStringLiteral("ID Code"), "cxIdSv", kIdTag, kIdLength);
    cxIdSv->setText(QStringLiteral("000"));
    cxGroup = AddList(grid, 1, 0, "clGroup", QStringLiteral("Group Code"), "cxGroup", {"Off", "A", "B", "C", "D"});
    cxBack = AddList(grid, 2, 0, "clBack", QStringLiteral("Auto Reset Time [s]"), "cxBack",
                     QStringList{"Off"} + NumberItems(1, 15));
    cxTxYs = AddList(grid, 3, 0, "clTxYs", QStringLiteral("Tx Decode"), "cxTxYs", {"Off", "On"});
    cxIdEs = AddList(grid, 4, 0, "clIdEs", QStringLiteral("ID Edit"), "cxIdEs", {"Off", "On"});
    cxRxTs =
        AddList(grid, 5, 0, "clRxTs", QStringLiteral("Decode Time Out[ms]"), "cxRxTs", NumberItems(500, 1500, 100));
    cxAcks = AddList(grid, 6, 0, "clAcks", QStringLiteral("Transpond"), "cxAcks", {"Off", "Alert", "ID Code"});
    cxAcks->hide();
    decode->findChild<QLabel*>(QStringLiteral("clAcks"))->hide();

    auto* stun = new QGroupBox(QStringLiteral("Stun"), page);
    stun->setObjectName(QStringLiteral("cgStun"));
    pageLayout->addWidget(stun);
    auto* stunGrid = new QGridLayout(stun);
    cxStunSw =
        AddList(stunGrid, 0, 0, "clStunSw", QStringLiteral("Stun Type"), "cxStunSw", {"Tx/Rx Inhibit", "Tx Inhibit"});
    cxStunSv = AddCodeBox(stunGrid, 1, "clStunSv", QStringLiteral("Stun Code"), "cxStunSv", kStunTag, kStunLength);
    return page;
}

QLineEdit* TDtmfWindow::AddCodeBox(QGridLayout* grid, int row, const char* labelName, const QString& caption,
                                   const char* boxName, int tag, int maxLength)
{
    AddLabel(grid, row, 0, labelName, caption);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setProperty("tag", tag);
    box->setMaxLength(maxLength);
    new TCodeKeys(tag == kIdTag ? QStringLiteral("0123456789") : QStringLiteral("0123456789ABCD#*"), box);
    grid->addWidget(box, row, 1);
    connect(box, &QLineEdit::textEdited, this, [this, box](const QString& text) {
        // The codes are shown in upper case however the letters were typed or pasted.
        if (text != text.toUpper()) {
            const int cursor = box->cursorPosition();
            box->setText(text.toUpper());
            box->setCursorPosition(cursor);
        }
        StoreCode(box);
    });
    connect(box, &QLineEdit::returnPressed, this, [this, box] { StoreCode(box); });
    return box;
}

void TDtmfWindow::Fill()
{
    pcDtmf->setTabVisible(pcDtmf->indexOf(cxDecode), gAll.DtmfDecode);
    cxDecode->setEnabled(gAll.DtmfDecode);
    LoadDtmf();
}

void TDtmfWindow::ListChanged()
{
    if (!Loading)
        StoreDtmf();
}

// The PTT ID selection decides which codes are sent: "OFF" none, "BOT" the begin code, "EOT" the end code.
void TDtmfWindow::EnableCodeBoxes()
{
    const int selection = cxPtts->currentIndex();
    cxEntv->setEnabled(selection == 1 || selection == kBothPttId);
    cxEndv->setEnabled(selection == 2 || selection == kBothPttId);
}

void TDtmfWindow::LoadDtmf()
{
    LoadList(cxRate, 29, 0x0F);
    LoadList(cxFiSv, 30, 0x0F);
    LoadList(cxFiDv, 30, 0xF0);
    cxEfSv->setCurrentIndex(StarHashIndex(GetSetting(gAll, 31, 0x30)));
    LoadList(cxTxTs, 34, 0xF0);
    LoadList(cxAbcd, 32, 0x20);
    cxBeep->setChecked(GetSetting(gAll, 31, 0x40) == 1);
    LoadList(cxPtts, 32, 0x03);
    cxPtts->setCurrentIndex(kBothPttId);
    cxEntv->setText(CodeText(2, 0x0F, 48));
    cxEndv->setText(CodeText(3, 0xF0, 56));
    const std::string id = ReadDigits(36, kIdLength, 9);
    cxIdSv->setText(id.size() < kIdMinLength ? QStringLiteral("000") : QString::fromStdString(id));
    LoadList(cxGroup, 31, 0x0F);
    LoadList(cxBack, 33, 0x0F);
    LoadList(cxTxYs, 32, 0x40);
    LoadList(cxIdEs, 32, 0x10);
    LoadList(cxRxTs, 34, 0x0F);
    LoadList(cxAcks, 33, 0xF0);
    LoadList(cxStunSw, 31, 0x80);
    const int stunLength = std::min(GetSetting(gAll, 40, 0xFF), kStunLength);
    cxStunSv->setText(stunLength > 0 ? QString::fromStdString(ReadDigits(41, stunLength, 15)) : QString());
}

void TDtmfWindow::StoreDtmf()
{
    StoreList(cxRate, 29, 0x0F);
    StoreList(cxFiSv, 30, 0x0F);
    StoreList(cxFiDv, 30, 0xF0);
    SetSetting(gAll, 31, 0x30, StarHashCode(cxEfSv->currentIndex()));
    StoreList(cxTxTs, 34, 0xF0);
    StoreList(cxAbcd, 32, 0x20);
    SetSetting(gAll, 31, 0x40, cxBeep->isChecked() ? 1 : 0);
    StoreList(cxPtts, 32, 0x03);
    StoreList(cxGroup, 31, 0x0F);
    StoreList(cxBack, 33, 0x0F);
    StoreList(cxTxYs, 32, 0x40);
    StoreList(cxIdEs, 32, 0x10);
    StoreList(cxRxTs, 34, 0x0F);
    StoreList(cxAcks, 33, 0xF0);
    StoreList(cxStunSw, 31, 0x80);
    gAll.Modified = true;
}

void TDtmfWindow::StoreCode(QLineEdit* box)
{
    if (Loading)
        return;
    Loading = true;
    std::string text = box->text().trimmed().toStdString();
    switch (box->property("tag").toInt()) {
    case kBeginTag:
        StoreTxCode(text, 2, 0x0F, 48);
        break;
    case kEndTag:
        StoreTxCode(text, 3, 0xF0, 56);
        break;
    case kIdTag:
        if (text.size() < kIdMinLength)
            text.resize(kIdMinLength, '0');
        WriteDigits(36, kIdLength, text);
        break;
    case kStunTag:
        SetSetting(gAll, 40, 0xFF, static_cast<int>(text.size()));
        WriteDigits(41, kStunLength, text);
        break;
    }
    // Also an emptied begin or end code, which writes no digits, is a change to keep.
    gAll.Modified = true;
    Loading = false;
}
