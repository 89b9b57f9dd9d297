#pragma once

#include <string>

class QLineEdit;
class QPlainTextEdit;

// What the operator's text fields may hold. Qt lacks a character limit for multi-line edits, and
// every edit takes control characters from a paste, which mean nothing in a request.
//
// A limit bounds what is typed, never what the server sent: a longer value is shown whole, typing
// may shorten it but not lengthen it, and a field the operator left alone sends the value exactly
// as it came, line breaks and all.
class CTextLimit {
public:
    enum class Characters { Any, Digits };

    // Text typed or pasted beyond the limit is cut off, the cursor kept where it was; control
    // characters other than line breaks are dropped from what is typed.
    static void Apply(QPlainTextEdit* edit, int maxCharacters);
    // A keystroke or paste that would make the text longer than the limit (or than the longer text
    // shown), or that holds a control character or, for digits, anything but a digit, is refused
    // as a whole.
    static void Apply(QLineEdit* edit, int maxCharacters, Characters characters = Characters::Any);
    // A paste or keystroke that holds a control character is refused as a whole.
    static void RefuseControlCharacters(QLineEdit* edit);

    // Shows a value whole, whatever the field's limit.
    static void ShowWhole(QLineEdit* edit, const std::string& value);
    static void ShowWhole(QPlainTextEdit* edit, const std::string& value);
    // What the field sends: `shown` itself while the field still shows it as ShowWhole left it,
    // otherwise what the operator made of it.
    static std::string ValueToSend(const QLineEdit* edit, const std::string& shown);
    static std::string ValueToSend(const QPlainTextEdit* edit, const std::string& shown);
};
