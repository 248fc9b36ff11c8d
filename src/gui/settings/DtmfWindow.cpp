// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "core/model/SettingTexts.h"
#include "gui/kit/FormKit.h"

namespace
{
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

} // namespace

TDtmfWindow::TDtmfWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fDtmfFun"));
    setWindowTitle(ToQt(SettingsWindowTitle(objectName().toStdString())));
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
    cxEntv = AddCodeBox(pttGrid, 0, TSetting::BeginCode);
    cxEndv = AddCodeBox(pttGrid, 1, TSetting::EndCode);
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
    cxIdSv = AddCodeBox(grid, 0, TSetting::IdCode);
    cxIdSv->setText(QStringLiteral("000"));
    cxGroup = AddSetting(grid, 1, 0, TSetting::GroupCode);
    cxBack = AddSetting(grid, 2, 0, TSetting::AutoResetTime);
    cxTxYs = AddSetting(grid, 3, 0, TSetting::TxDecode);
    cxIdEs = AddSetting(grid, 4, 0, TSetting::IdEdit);
    cxRxTs = AddSetting(grid, 5, 0, TSetting::DecodeTimeOut);
    cxAcks = AddSetting(grid, 6, 0, TSetting::Transpond);

    auto* stun = new QGroupBox(QStringLiteral("Stun"), page);
    stun->setObjectName(QStringLiteral("cgStun"));
    pageLayout->addWidget(stun);
    auto* stunGrid = new QGridLayout(stun);
    cxStunSw = AddSetting(stunGrid, 0, 0, TSetting::StunType);
    cxStunSv = AddCodeBox(stunGrid, 1, TSetting::StunCode);
    return page;
}

QLineEdit* TDtmfWindow::AddCodeBox(QGridLayout* grid, int row, TSetting code)
{
    QLabel* label = AddLabel(grid, row, 0, code);
    auto* box = new QLineEdit(this);
    label->setBuddy(box);
    box->setObjectName(ControlName(code));
    box->setMaxLength(DtmfCodeCapacity(code));
    new TCodeKeys(QString::fromStdString(DtmfCodeCharacters(code)), box);
    grid->addWidget(box, row, 1);
    connect(box, &QLineEdit::textEdited, this, [this, box, code](const QString& text) {
        // The codes are shown in upper case however the letters were typed or pasted.
        if (text != text.toUpper()) {
            const int cursor = box->cursorPosition();
            box->setText(text.toUpper());
            box->setCursorPosition(cursor);
        }
        StoreCode(box, code);
    });
    // Stored as typed; one undo step when the box is left or Enter pressed (an emptied code counts too).
    connect(box, &QLineEdit::returnPressed, this, [this, box, code] { StoreCode(box, code); });
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
    LoadCheck(cxBeep, TSetting::DtmfSideTone);
    LoadList(cxPtts, TSetting::PttIdSelection);
    cxPtts->setCurrentIndex(kBothPttId);
    for (const auto& [box, code] : {std::pair{cxEntv, TSetting::BeginCode}, std::pair{cxEndv, TSetting::EndCode},
                                    std::pair{cxIdSv, TSetting::IdCode}, std::pair{cxStunSv, TSetting::StunCode}})
        box->setText(QString::fromStdString(DtmfCodeText(gAll, code)));
}

void TDtmfWindow::StoreDtmf()
{
    StoreLists();
    StoreCheck(cxBeep, TSetting::DtmfSideTone);
    StoreList(cxPtts, TSetting::PttIdSelection);
}

void TDtmfWindow::StoreCode(const QLineEdit* box, TSetting code)
{
    if (Loading)
        return;
    Loading = true;
    StoreDtmfCode(gAll, code, box->text().trimmed().toStdString());
    // Modified while typed; the undo step follows when the box is left.
    gAll.Modified = true;
    Loading = false;
}
