#include "frmNewAbout.h"

#include "Pictures.h"
#include "model/Messages.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVersionNumber>

namespace glimmbar {

namespace {

// The window was laid out in twips; 15 twips make one pixel at 96 dpi.
constexpr int pixels(int twips) {
    return twips / 15;
}

} // namespace

frmNewAbout::frmNewAbout(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("frmNewAbout"));
    // A caption of blanks: the title bar reads empty and the picture speaks for the program.
    setWindowTitle(QString(22, QLatin1Char(' ')));
    setFixedSize(pixels(4740), pixels(6645));

    // Drawn unscaled from the top-left corner; the window is narrower than the picture and
    // cuts off its right edge.
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("picAbout"));
    const QPixmap art = picture(QStringLiteral("about.png"));
    background->setPixmap(art);
    background->setGeometry(0, 0, art.width(), art.height());

    m_aboutText = new QLabel(this);
    m_aboutText->setObjectName(QStringLiteral("labelAboutText"));
    m_aboutText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_aboutText->setTextFormat(Qt::PlainText);
    // Five lines need a little more than the 1095 twips of the original at today's font sizes;
    // the label ends just above the button.
    m_aboutText->setGeometry(0, pixels(4680) - 2, width(), pixels(6000) - pixels(4680) - 2);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(pixels(1478), pixels(6000), pixels(1935), pixels(495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmNewAbout::cmdOK_Click);

    Form_Load();
}

QString frmNewAbout::titleLine() {
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return kProgramTitle + QStringLiteral(" v") + QString::number(version.majorVersion()) +
           QLatin1Char('.') + QString::number(version.minorVersion()) + QLatin1Char('.') +
           QString::number(version.microVersion());
}

void frmNewAbout::Form_Load() {
    const QString lineEnd = QStringLiteral("\n");
    m_aboutText->setText(titleLine() + lineEnd +
                         QStringLiteral("Pet command scripts for Anarchy Online") + lineEnd +
                         QStringLiteral("Meta-Physicist, Engineer and Bureaucrat pets") + lineEnd);
    // The empty fourth line sets the last credit apart.
    m_aboutText->setText(m_aboutText->text() + lineEnd +
                         QStringLiteral("Good hunting on Rubi-Ka!"));
}

void frmNewAbout::cmdOK_Click() {
    close();
}

} // namespace glimmbar
