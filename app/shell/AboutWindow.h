#pragma once

#include <QWidget>

// frmAbout: the product's name, version and description.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    AboutWindow();
    static QIcon applicationIcon();
};
