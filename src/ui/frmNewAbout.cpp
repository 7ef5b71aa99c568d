#include "frmNewAbout.h"

#include "Pictures.h"
#include "TwipsLayout.h"
#include "model/Messages.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVersionNumber>

#include <algorithm>

namespace glimmbar {

frmNewAbout::frmNewAbout(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("frmNewAbout"));
    // A caption of blanks: the title bar reads empty and the picture speaks for the program.
    setWindowTitle(QString(22, QLatin1Char(' ')));

    m_aboutText = new QLabel(this);
    m_aboutText->setObjectName(QStringLiteral("labelAboutText"));
    m_aboutText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_aboutText->setTextFormat(Qt::PlainText);
    showCredits();

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    // Laid out in twips for the 8-point font; a larger font makes the window grow until every
    // credit line fits.
    TwipsLayout layout(*this);
    layout.add(m_aboutText, 0, 4680, 4740, 1095);
    layout.add(ok, 1478, 6000, 1935, 495);
    layout.arrange();
    setFixedSize(layout.size(4740, 6645));

    // The picture fills the space above the text from the top-left corner: unscaled for the
    // 8-point font, which cuts off its right edge, and grown with a larger one.
    const QPixmap art = picture(QStringLiteral("about.png"));
    const double grow = std::max(layout.widthScale(), layout.heightScale());
    const QRect shown(0, 0, width(), layout.y(4680));
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("picAbout"));
    background->setAccessibleName(kProgramTitle);
    background->setPixmap(
        art.scaled(art.size() * grow, Qt::KeepAspectRatio, Qt::SmoothTransformation).copy(shown));
    background->setGeometry(shown.intersected(QRect(QPoint(), background->pixmap().size())));
    background->lower();
}

QString frmNewAbout::titleLine() {
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return kProgramTitle + QStringLiteral(" v") + QString::number(version.majorVersion()) +
           QLatin1Char('.') + QString::number(version.minorVersion()) + QLatin1Char('.') +
           QString::number(version.microVersion());
}

void frmNewAbout::showCredits() {
    const QString lineEnd = QStringLiteral("\n");
    m_aboutText->setText(titleLine() + lineEnd +
                         QStringLiteral("Pet command scripts for Anarchy Online") + lineEnd +
                         QStringLiteral("Meta-Physicist, Engineer and Bureaucrat pets") + lineEnd);
    // The empty fourth line sets the last credit apart.
    m_aboutText->setText(m_aboutText->text() + lineEnd +
                         QStringLiteral("Good hunting on Rubi-Ka!"));
}

} // namespace glimmbar
