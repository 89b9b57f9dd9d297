#pragma once

#include "features/config/SystemOptions.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QLineEdit;

// The edits and check boxes of a system options form, each tied to the options it sets. A number
// edit may set several options at once; it shows the first of them.
class CSystemOptionFields {
public:
    using Member = std::int32_t SystemOptions::*;

    // Digits only, at most `maxCharacters`.
    void AddNumber(QLineEdit* edit, int maxCharacters, std::vector<Member> members);
    void AddFlag(QCheckBox* box, Member member);
    // Called whenever the operator changes a field.
    void OnEdited(std::function<void()> edited);

    void Show(const SystemOptions& options);
    void Read(SystemOptions& options) const;
    // Another form's change was accepted: the fields that still show what the server had take
    // its new values, the ones the operator changed keep their text.
    void Adopt(const SystemOptions& before, const SystemOptions& after);

private:
    struct Number {
        QLineEdit* edit;
        std::vector<Member> members;
    };
    struct Flag {
        QCheckBox* box;
        Member member;
    };
    std::vector<Number> numbers_;
    std::vector<Flag> flags_;
    std::function<void()> edited_;
};
