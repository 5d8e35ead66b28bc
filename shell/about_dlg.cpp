// about_dlg.cpp -- the About box and the application icon.
#include "shell/about_dlg.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "game/world.h"
#include "render/sprites.h"
#include "shell/dialog_chrome.h"
#include "shell/dialog_units.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

QIcon ApplicationIcon() {
    const SpriteInfo* info = FindSprite(SpriteMosquitoA);
    const std::span<const uint32_t> pixels = SpritePixels(SpriteMosquitoA);
    if (info == nullptr || pixels.size() != size_t(info->width) * size_t(info->height)) return {};

    // The sprite's white is its transparent colour; keep it clear here too.
    QImage sprite(info->width, info->height, QImage::Format_ARGB32);
    for (int y = 0; y < info->height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        for (int x = 0; x < info->width; ++x) {
            const uint32_t rgb = pixels[size_t(y) * size_t(info->width) + size_t(x)];
            row[x] = rgb == TransparentKey ? 0u : (rgb | 0xFF000000u);
        }
    }
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QImage scaled = sprite.scaled(32, 32, Qt::KeepAspectRatio, Qt::FastTransformation);
    painter.drawImage((32 - scaled.width()) / 2, (32 - scaled.height()) / 2, scaled);
    painter.end();
    return QIcon(QPixmap::fromImage(icon));
}

// The template's places, in dialog units, are the least the dialog takes;
// a layout widens it until every line shows whole, whatever the font and
// the screen's pixel ratio make of the text.
CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ShellText(AboutTitle));
    SetDialogChrome(*this, DialogChrome::CaptionAndClose);
    setFont(DialogFont());
    const DialogUnits du = DialogUnits::FromMetrics(fontMetrics());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto* version = new QLabel(ShellText(VersionText), this);
    version->setObjectName(QStringLiteral("version"));
    auto* credit = new QLabel(ShellText(CreditText), this);
    credit->setObjectName(QStringLiteral("credit"));
    auto* lines = new QVBoxLayout;
    lines->setSpacing(du.ToPixelsY(7));
    for (QLabel* line : {version, credit}) {
        line->setMinimumWidth(du.ToPixelsX(135));
        lines->addWidget(line);
    }
    lines->addStretch();

    auto* ok = new QPushButton(ShellText(OkText), this);
    ok->setFixedSize(du.ToPixelsX(50), du.ToPixelsY(14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(du.ToPixelsX(11), du.ToPixelsY(7), du.ToPixelsX(7), du.ToPixelsY(7));
    row->setSpacing(du.ToPixelsX(3));
    row->addWidget(icon, 0, Qt::AlignVCenter);
    row->addSpacing(std::max(0, du.ToPixelsX(40 - 11) - 32 - 2 * row->spacing()));
    row->addLayout(lines);
    row->addWidget(ok, 0, Qt::AlignTop);
    setFixedSize(sizeHint().expandedTo(QSize(du.ToPixelsX(235), du.ToPixelsY(55))));
}
