#pragma once

#include <string>
#include <string_view>

// Percent-encoding of the values in administration request bodies, and its inverse for the reply
// fields the server sends encoded. Deliberately not curl's escaping: the server expects these
// ten marks - _ . ! ~ * ' ( ) unescaped and a space as %20.
namespace nsMoxHttp {

// Letters, digits and the ten marks pass unchanged, every other byte becomes %XX (upper case).
std::string PercentEncode(std::string_view bytes);

// %XX with two hexadecimal digits becomes its byte; everything else, '+' included, is copied.
// A '%' whose next two characters are not both hexadecimal is copied as it is and decoding goes
// on after it. A '%' with fewer than two characters after it ends the text: the result is what
// was decoded before it.
std::string PercentDecode(std::string_view text);

// Identifiers that the server handed out travel back unchanged when they consist only of
// letters, digits and the ten marks; anything else is percent-encoded, so that a hostile server
// cannot slip "&Field=" into a later request through an identifier.
std::string EncodeIdentifier(std::string_view identifier);

// Fields the server stores as they arrive (addresses, serials) go out byte for byte when they
// hold only letters, digits, the ten marks and : [ ] / @, none of which can change the meaning of
// a form body; anything else is percent-encoded, as identifiers are.
std::string EncodeAsTyped(std::string_view value);

}  // namespace nsMoxHttp
