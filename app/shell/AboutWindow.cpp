#include "AboutWindow.h"

#include "shell/CommandLine.h"
#include "ui/Controls.h"
#include "units/Twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

// The icon is compiled into the program library; a static library needs its resources
// brought in by hand.
static void initResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace {

// One line of the etched pair: a box one pixel high in the line's colour.
QFrame* line(QWidget* parent, const QString& name, QColor color, int x1, int y, int x2)
{
    auto* l = new QFrame(parent);
    l->setObjectName(name);
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, color);
    l->setPalette(palette);
    l->setGeometry(Twips::x(x1), Twips::y(y), Twips::x(x2 - x1), 1);
    return l;
}

} // namespace

QIcon AboutWindow::applicationIcon()
{
    initResources();
    return QIcon(QStringLiteral(":/cindrel/cindrel.svg"));
}

AboutWindow::AboutWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Cindrel"));
    setFixedSize(Twips::size(5760, 3150));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(applicationIcon().pixmap(Twips::x(720), Twips::x(720)));
    icon->setGeometry(Twips::rect(240, 240, 720, 720));

    auto* title = Controls::label(this, QStringLiteral("lblTitle"), QStringLiteral("Cindrel"), 1050,
                                  240, 3885, 480);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    Controls::label(this, QStringLiteral("lblVersion"),
                    QStringLiteral(" Version %1").arg(QLatin1String(CommandLine::version())), 1050,
                    780, 3885, 225);
    Controls::label(
        this, QStringLiteral("lblDescription"),
        QStringLiteral("Cindrel makes it easier for a high school track coach to keep up "
                       "with their meet (and practice) histories, print off reports, "
                       "and make easier and better decisions for their team."),
        1050, 1125, 3885, 1170)
        ->setWordWrap(true);
    line(this, QStringLiteral("Line1_1"), QColor(128, 128, 128), 90, 2445, 5654);
    line(this, QStringLiteral("Line1_0"), Qt::white, 105, 2460, 5654);
    auto* ok = Controls::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), 4245, 2625,
                                1260, 345);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}
