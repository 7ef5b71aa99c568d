// The tests' answer to message boxes and the folder dialog: every message is recorded in
// order, and folder questions are answered from a queue that must be used up.
#pragma once

#include "ui/DialogSeam.h"

#include <QList>
#include <QStringList>

class RecordingDialogs final : public glimmbar::DialogSeam {
public:
    ~RecordingDialogs() override {
        if (!m_folderAnswers.isEmpty()) {
            qCritical("RecordingDialogs: %lld folder answer(s) left unused",
                      static_cast<long long>(m_folderAnswers.size()));
        }
    }

    void showMessage(const glimmbar::Message& message) override { messages.append(message); }

    QString askFolder(QWidget*, const QString& start, const QString& title) override {
        folderQuestions.append({start, title});
        if (m_folderAnswers.isEmpty()) {
            qCritical("RecordingDialogs: a folder was asked for with no answer queued");
            return {};
        }
        return m_folderAnswers.takeFirst();
    }

    // An empty answer is a cancelled dialog.
    void answerFolder(const QString& folder) { m_folderAnswers.append(folder); }

    QList<glimmbar::Message> messages;
    QList<QPair<QString, QString>> folderQuestions;

private:
    QStringList m_folderAnswers;
};
