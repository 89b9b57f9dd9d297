#include "controls/CCertificateDlg.h"

#include "controls/FieldLabels.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

QLineEdit* ReadOnlyField(const std::string& text, bool fixedPitch, QWidget* parent)
{
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    if (fixedPitch)
        field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // A fingerprint is read whole, character by character, against the one its owner gives.
    const int whole = field->fontMetrics().horizontalAdvance(field->text()) + 16;
    field->setMinimumWidth(fixedPitch ? whole : std::max(360, std::min(whole, 700)));
    return field;
}

}  // namespace

CCertificateDlg::CCertificateDlg(const QString& server, const nsMoxHttp::ServerCertificate& certificate,
                                 QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("服务器证书"));
    auto* intro = new QLabel(
        QStringLiteral("%1 的证书不是受信任的机构签发的，无法确认对方就是您要管理的服务器。\n"
                       "请向服务器的管理者核对下面的指纹，一致时再选择信任；不一致时请取消，可能有人冒充服务器。")
            .arg(server),
        this);
    intro->setWordWrap(true);

    const struct {
        const char* caption;
        const std::string& value;
        bool fixedPitch;
    } rows[] = {
        {MoxText::Noop("主题："), certificate.subject, false},
        {MoxText::Noop("颁发者："), certificate.issuer, false},
        {MoxText::Noop("生效时间："), certificate.notBefore, false},
        {MoxText::Noop("过期时间："), certificate.notAfter, false},
        {MoxText::Noop("证书指纹 SHA-256："), certificate.certificateSha256, true},
        {MoxText::Noop("公钥指纹 SHA-256："), certificate.publicKeySha256, true},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (const auto& shown : rows) {
        QLineEdit* field = ReadOnlyField(shown.value, shown.fixedPitch, this);
        grid->addWidget(FieldLabels::Tie(new QLabel(QString::fromUtf8(shown.caption), this), field), row, 0);
        grid->addWidget(field, row++, 1);
    }

    auto* buttons = new QDialogButtonBox(this);
    once_ = buttons->addButton(MoxTr::tr("仅本次信任"), QDialogButtonBox::AcceptRole);
    always_ = buttons->addButton(MoxTr::tr("始终信任"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(MoxTr::tr("取消"), QDialogButtonBox::RejectRole);
    cancel->setDefault(true);
    connect(once_, &QPushButton::clicked, this, [this] { done(TrustedOnce); });
    connect(always_, &QPushButton::clicked, this, [this] { done(TrustedAlways); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(Refused); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
