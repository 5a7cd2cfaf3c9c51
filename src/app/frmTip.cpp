#include "app/frmTip.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"
#include "app/StretchedPicture.h"
#include "core/Messages.h"
#include "data/TipStore.h"

#include "ui_frmTip.h"

frmTip::frmTip(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::frmTip>())
{
    m_ui->setupUi(this);
    new StretchedPicture(QStringLiteral(":/images/HeartCal.svg"), QStringLiteral("Image1"), this);
    m_ui->Image2->load(QStringLiteral(":/images/tip.svg"));
    QFont heading = m_ui->Label1->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    m_ui->Label1->setFont(heading);
    QFont tipFont = m_ui->TipText->font();
    tipFont.setPointSize(tipFont.pointSize() + 2);
    m_ui->TipText->setFont(tipFont);
    m_ui->TipText->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background-color: rgba(255, 255, 255, 200); "
                       "border: 1px solid #E6D3BC; border-radius: 6px; }"));
    connect(m_ui->cmdNextTip, &QPushButton::clicked, this, [this] { showRandomTip(); });
    connect(m_ui->cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

frmTip::~frmTip() = default;

void frmTip::formLoad()
{
    // A quarter of the main window's width from its left, an eighth of its height down.
    if (QWidget* main = m_context.forms().find(QStringLiteral("MainProgram"))) {
        mainmodule::keepAbove(this, main);
        const QRect frame = main->geometry();
        move(frame.left() + frame.width() / 4, frame.top() + frame.height() / 8);
    }
    raise();
    showRandomTip();
}

void frmTip::showRandomTip()
{
    const int number = static_cast<int>(m_context.random().bounded(TipStore::drawnTips)) + 1;
    TipStore store(m_context.database());
    auto tip = store.text(number);
    if (!tip) {
        m_context.messages().inform(tip.error(), MessageIcon::Critical);
        return;
    }
    if (tip.value())
        m_ui->TipText->setPlainText(*tip.value());
}

void frmTip::cmdOK_Click()
{
    m_context.forms().unload(QStringLiteral("frmTip"));
}
