// The message box a player sees for each kind of message: its icon, title and text, over the
// window that was handling the click.
#include "ui/DialogSeam.h"

#include "GuiTestRules.h"

#include <QtTest>
#include <QtWidgets>

using namespace glimmbar;

class TestMessageBox : public GuiTest {
    Q_OBJECT

private slots:
    void eachKindOfMessage_data() {
        QTest::addColumn<int>("kind"); // MessageIcon
        QTest::addColumn<int>("icon"); // QMessageBox::Icon
        QTest::newRow("refusal or error: critical")
            << int(MessageIcon::Critical) << int(QMessageBox::Critical);
        QTest::newRow("files created: information")
            << int(MessageIcon::Information) << int(QMessageBox::Information);
        QTest::newRow("missing data file: exclamation")
            << int(MessageIcon::Exclamation) << int(QMessageBox::Warning);
    }
    void eachKindOfMessage() {
        QFETCH(int, kind);
        QFETCH(int, icon);
        QWidget window;
        window.show();
        QtDialogs dialogs;
        const ParentWindowScope belongsHere(dialogs, &window);
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            // A typed text in a message is shown as typed, never read as markup.
            const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            seen << QString::number(box->icon()) << box->windowTitle() << box->text()
                 << (label != nullptr && label->textFormat() == Qt::PlainText ? "plain" : "markup");
            QCOMPARE(box->parentWidget(), &window);
            box->accept();
        });
        const QString text = "The script name \"<b>stop\" cannot be used.";
        dialogs.showMessage({text, "The title", static_cast<MessageIcon>(kind)});
        QCOMPARE(seen, QStringList({QString::number(icon), "The title", text, "plain"}));
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
