#include "ui/AboutWindow.h"

#include "model/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowPlacement.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace glimmbar {

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, fixedSizeWindowFlags()) {
    setObjectName(QStringLiteral("frmNewAbout"));
    // A caption of blanks: the title bar reads empty and the picture speaks for the program.
    setWindowTitle(QString(22, QLatin1Char(' ')));

    // The picture stands unscaled at the top; a font whose credit lines run wider than it
    // widens the window around it.
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("picAbout"));
    background->setAccessibleName(kProgramTitle);
    background->setPixmap(picture(QStringLiteral("about.png")));
    background->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_aboutText = new QLabel(this);
    m_aboutText->setObjectName(QStringLiteral("labelAboutText"));
    m_aboutText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_aboutText->setTextFormat(Qt::PlainText);
    showCredits();

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(ok->sizeHint().width() * 3 / 2);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(0, 0, 0, style()->pixelMetric(QStyle::PM_LayoutBottomMargin));
    column->addWidget(background);
    column->addWidget(m_aboutText);
    column->addWidget(ok, 0, Qt::AlignHCenter);
}

QString AboutWindow::titleLine() {
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return kProgramTitle + QStringLiteral(" v") + QString::number(version.majorVersion()) +
           QLatin1Char('.') + QString::number(version.minorVersion()) + QLatin1Char('.') +
           QString::number(version.microVersion());
}

void AboutWindow::showCredits() {
    const QString lineEnd = QStringLiteral("\n");
    m_aboutText->setText(titleLine() + lineEnd +
                         QStringLiteral("Pet command scripts for Anarchy Online") + lineEnd +
                         QStringLiteral("Meta-Physicist, Engineer and Bureaucrat pets") + lineEnd);
    // The empty fourth line sets the last credit apart.
    m_aboutText->setText(m_aboutText->text() + lineEnd +
                         QStringLiteral("Good hunting on Rubi-Ka!"));
}

} // namespace glimmbar
