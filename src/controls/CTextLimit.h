#pragma once

class QPlainTextEdit;

// A character limit for multi-line edits, which Qt lacks: text typed or pasted beyond the limit
// is cut off, the cursor kept where it was.
class CTextLimit {
public:
    static void Apply(QPlainTextEdit* edit, int maxCharacters);
};
