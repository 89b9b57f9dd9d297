#pragma once

#include "shell/ExchangeFileText.h"

#include <QObject>
#include <QThread>

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

// Reads an exchanged file and parses its text on a thread of its own, so that a large file keeps no
// window waiting. `done` gets the parsed text, or none and the reason, on the window's thread;
// nothing comes when `context` is gone by then.
//
// The outcome crosses back under a lock of ours and the thread's work is handed over by its start:
// both are orders ThreadSanitizer sees, where a pooled task's hand-over happens inside Qt, unseen.
template <class Parse, class Done>
void ReadExchangeFileInBackground(QObject* context, std::filesystem::path file, Parse parse, Done done)
{
    using Parsed = std::invoke_result_t<Parse, const std::string&>;
    struct Outcome {
        std::mutex lock;
        std::optional<Parsed> parsed;
        std::string error;
    };
    auto outcome = std::make_shared<Outcome>();
    QThread* reader = QThread::create([outcome, file = std::move(file), parse = std::move(parse)] {
        std::string error;
        std::optional<Parsed> parsed;
        if (const std::optional<std::string> text = ExchangeFileText::Read(file, &error))
            parsed = parse(*text);
        std::lock_guard guard(outcome->lock);
        outcome->parsed = std::move(parsed);
        outcome->error = std::move(error);
    });
    QObject::connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    QObject::connect(reader, &QThread::finished, context, [outcome, done = std::move(done)]() mutable {
        std::optional<Parsed> parsed;
        std::string error;
        {
            std::lock_guard guard(outcome->lock);
            parsed = std::move(outcome->parsed);
            error = std::move(outcome->error);
        }
        done(std::move(parsed), error);
    });
    reader->start();
}
