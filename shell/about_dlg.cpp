// about_dlg.cpp -- the About box and the application icon.
#include "shell/about_dlg.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "game/world.h"
#include "render/sprites.h"
#include "shell/dialog_units.h"

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

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Zarnok"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    const DialogUnits du = DialogUnits::FromMetrics(fontMetrics());
    setFixedSize(du.ToPixelsX(235), du.ToPixelsY(55));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    icon->setGeometry(du.ToPixelsX(11), du.ToPixelsY(17), 32, 32);

    auto* version = new QLabel(QStringLiteral("Zarnok Version 1.4 (2005-2012 гг.)"), this);
    version->setObjectName(QStringLiteral("version"));
    version->setGeometry(du.ToPixels(40, 10, 135, 8));

    auto* credit = new QLabel(QStringLiteral("Версия для Linux на Qt 6: команда Zarnok"), this);
    credit->setObjectName(QStringLiteral("credit"));
    credit->setGeometry(du.ToPixels(40, 25, 135, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.ToPixels(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
