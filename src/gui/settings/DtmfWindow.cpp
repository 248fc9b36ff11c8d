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
#include "gui/kit/FormKit.h"

namespace
{
constexpr int kBeginTag = 1;
constexpr int kEndTag = 2;
constexpr int kIdTag = 3;
constexpr int kStunTag = 4;
constexpr int kIdMinLength = 3;
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

// A begin or end code and the two settings that go with it.
struct TTxCode {
    TSetting Digits;
    TSetting NoCode;
    TSetting LengthLess1;
};

constexpr TTxCode kBeginCode = {TSetting::BeginCode, TSetting::NoBeginCode, TSetting::BeginCodeLength};
constexpr TTxCode kEndCode = {TSetting::EndCode, TSetting::NoEndCode, TSetting::EndCodeLength};

// The digits a code box can hold: two to a byte of its setting.
int DigitCapacity(TSetting code)
{
    return 2 * SettingRow(code).Length;
}

// A begin or end code: none when its "no code" bit is set, else as many digits as its length says.
QString CodeText(const TTxCode& code)
{
    if (GetSetting(gAll, code.NoCode) != 0)
        return QString();
    return QString::fromStdString(ReadDigits(gAll, code.Digits, GetSetting(gAll, code.LengthLess1) + 1, 15));
}

// A begin or end code: an empty box only sets its "no code" bit and keeps the stored digits and length.
void StoreTxCode(const std::string& text, const TTxCode& code)
{
    if (text.empty()) {
        SetSetting(gAll, code.NoCode, 1);
        return;
    }
    SetSetting(gAll, code.NoCode, 0);
    SetSetting(gAll, code.LengthLess1, static_cast<int>(text.size()) - 1);
    WriteDigits(gAll, code.Digits, text);
}
} // namespace

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
            connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ListChanged(list); });
    connect(cxBeep, &QCheckBox::toggled, this, [this] { ListChanged(cxBeep); });
    // Both run the enabling of the code boxes, also while the window is filled.
    for (QComboBox* list : {cxPtts, cxStunSw})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] {
            EnableCodeBoxes();
            ListChanged(list);
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
    cxRate = AddSetting(grid, 0, 0, TSetting::DtmfSpeed);
    cxFiSv = AddSetting(grid, 1, 0, TSetting::FirstDigitTime);
    cxFiDv = AddSetting(grid, 2, 0, TSetting::FirstDigitDelay);
    cxEfSv = AddSetting(grid, 3, 0, TSetting::StarHashTime);
    cxTxTs = AddSetting(grid, 4, 0, TSetting::CodeSpaceTime);
    cxAbcd = AddSetting(grid, 5, 0, TSetting::CodeAbcd);
    cxBeep = NewSettingCheck(encode, TSetting::DtmfSideTone);
    grid->addWidget(cxBeep, 6, 0, 1, 2);

    auto* pttId = new QGroupBox(QStringLiteral("PTT ID"), page);
    pttId->setObjectName(QStringLiteral("cgPtts"));
    pageLayout->addWidget(pttId);
    auto* pttGrid = new QGridLayout(pttId);
    cxEntv = AddCodeBox(pttGrid, 0, TSetting::BeginCode, kBeginTag);
    cxEndv = AddCodeBox(pttGrid, 1, TSetting::EndCode, kEndTag);
    // Every load selects "BOTH", so both code boxes stay enabled; the list is kept for its bits only.
    cxPtts = new QComboBox(pttId);
    cxPtts->setObjectName(ControlName(TSetting::PttIdSelection));
    cxPtts->addItems(ToQtList(SettingRow(TSetting::PttIdSelection).Items));
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
    cxIdSv = AddCodeBox(grid, 0, TSetting::IdCode, kIdTag);
    cxIdSv->setText(QStringLiteral("000"));
    cxGroup = AddSetting(grid, 1, 0, TSetting::GroupCode);
    cxBack = AddSetting(grid, 2, 0, TSetting::AutoResetTime);
    cxTxYs = AddSetting(grid, 3, 0, TSetting::TxDecode);
    cxIdEs = AddSetting(grid, 4, 0, TSetting::IdEdit);
    cxRxTs = AddSetting(grid, 5, 0, TSetting::DecodeTimeOut);
    cxAcks = AddSetting(grid, 6, 0, TSetting::Transpond);
    HideSetting(TSetting::Transpond);

    auto* stun = new QGroupBox(QStringLiteral("Stun"), page);
    stun->setObjectName(QStringLiteral("cgStun"));
    pageLayout->addWidget(stun);
    auto* stunGrid = new QGridLayout(stun);
    cxStunSw = AddSetting(stunGrid, 0, 0, TSetting::StunType);
    cxStunSv = AddCodeBox(stunGrid, 1, TSetting::StunCode, kStunTag);
    return page;
}

QLineEdit* TDtmfWindow::AddCodeBox(QGridLayout* grid, int row, TSetting code, int tag)
{
    QLabel* label = AddLabel(grid, row, 0, code);
    auto* box = new QLineEdit(this);
    label->setBuddy(box);
    box->setObjectName(ControlName(code));
    box->setProperty("tag", tag);
    box->setMaxLength(DigitCapacity(code));
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
    // Stored as typed; one undo step when the box is left or Enter pressed (an emptied code counts too).
    connect(box, &QLineEdit::returnPressed, this, [this, box] { StoreCode(box); });
    connect(box, &QLineEdit::editingFinished, this, [this, box] {
        if (!Loading)
            CommitControlEdit(box);
    });
    return box;
}

void TDtmfWindow::Fill()
{
    pcDtmf->setTabVisible(pcDtmf->indexOf(cxDecode), gAll.DtmfDecode);
    cxDecode->setEnabled(gAll.DtmfDecode);
    LoadDtmf();
}

void TDtmfWindow::ListChanged(const QWidget* changed)
{
    if (Loading)
        return;
    StoreDtmf();
    CommitControlEdit(changed);
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
    LoadLists();
    cxEfSv->setCurrentIndex(StarHashIndex(GetSetting(gAll, TSetting::StarHashTime)));
    cxBeep->setChecked(GetSetting(gAll, TSetting::DtmfSideTone) == 1);
    LoadList(cxPtts, TSetting::PttIdSelection);
    cxPtts->setCurrentIndex(kBothPttId);
    cxEntv->setText(CodeText(kBeginCode));
    cxEndv->setText(CodeText(kEndCode));
    const std::string id = ReadDigits(gAll, TSetting::IdCode, DigitCapacity(TSetting::IdCode), 9);
    cxIdSv->setText(id.size() < kIdMinLength ? QStringLiteral("000") : QString::fromStdString(id));
    const int stunLength = std::min(GetSetting(gAll, TSetting::StunLength), DigitCapacity(TSetting::StunCode));
    cxStunSv->setText(stunLength > 0 ? QString::fromStdString(ReadDigits(gAll, TSetting::StunCode, stunLength, 15))
                                     : QString());
}

void TDtmfWindow::StoreDtmf()
{
    StoreLists();
    SetSetting(gAll, TSetting::StarHashTime, StarHashCode(cxEfSv->currentIndex()));
    SetSetting(gAll, TSetting::DtmfSideTone, cxBeep->isChecked() ? 1 : 0);
    StoreList(cxPtts, TSetting::PttIdSelection);
}

void TDtmfWindow::StoreCode(QLineEdit* box)
{
    if (Loading)
        return;
    Loading = true;
    std::string text = box->text().trimmed().toStdString();
    switch (box->property("tag").toInt()) {
    case kBeginTag:
        StoreTxCode(text, kBeginCode);
        break;
    case kEndTag:
        StoreTxCode(text, kEndCode);
        break;
    case kIdTag:
        if (text.size() < kIdMinLength)
            text.resize(kIdMinLength, '0');
        WriteDigits(gAll, TSetting::IdCode, text);
        break;
    case kStunTag:
        SetSetting(gAll, TSetting::StunLength, static_cast<int>(text.size()));
        WriteDigits(gAll, TSetting::StunCode, text);
        break;
    }
    // Modified while typed; the undo step follows when the box is left.
    gAll.Modified = true;
    Loading = false;
}
