#pragma once

class QLineEdit;
class QPlainTextEdit;

// What the operator's text fields may hold. Qt lacks a character limit for multi-line edits, and
// every edit takes control characters from a paste, which mean nothing in a request.
class CTextLimit {
public:
    // Text typed or pasted beyond the limit is cut off, the cursor kept where it was; control
    // characters other than line breaks are dropped.
    static void Apply(QPlainTextEdit* edit, int maxCharacters);
    // A paste or keystroke that holds a control character is refused as a whole.
    static void RefuseControlCharacters(QLineEdit* edit);
};
