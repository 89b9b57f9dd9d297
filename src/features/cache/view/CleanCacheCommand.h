#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks the cleaning question with the cluster box and, on 确定, sends the request with the box's
// state and shows the progress text. Nothing waits for the reply: the status bar tells it.
// send(withCluster) returns false when nothing went out.
void ConfirmAndClean(QWidget* owner, const QString& question, std::function<bool(bool withCluster)> send,
                     const char* progressText);
