// about_dlg.h -- who made the game and which version it is.
#pragma once

#include <QDialog>
#include <QIcon>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// The game's icon: the swamp mosquito on a clear ground.
QIcon ApplicationIcon();
