#pragma once

#include "shell/ExchangeFileText.h"

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <filesystem>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

// Reads an exchanged file and parses its text on a worker thread, so that a large file keeps no
// window waiting. `done` gets the parsed text, or none and the reason, on the window's thread;
// nothing comes when `context` is gone by then.
template <class Parse, class Done>
void ReadExchangeFileInBackground(QObject* context, std::filesystem::path file, Parse parse, Done done)
{
    using Parsed = std::invoke_result_t<Parse, const std::string&>;
    struct Outcome {
        std::optional<Parsed> parsed;
        std::string error;
    };
    auto* watcher = new QFutureWatcher<Outcome>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, done = std::move(done)]() mutable {
                         Outcome outcome = watcher->future().takeResult();
                         watcher->deleteLater();
                         done(std::move(outcome.parsed), outcome.error);
                     });
    watcher->setFuture(QtConcurrent::run([file = std::move(file), parse = std::move(parse)] {
        Outcome outcome;
        if (const std::optional<std::string> text = ExchangeFileText::Read(file, &outcome.error))
            outcome.parsed = parse(*text);
        return outcome;
    }));
}
