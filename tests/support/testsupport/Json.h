#pragma once
// JSON comparison for tests: texts are compared in their compact form, so layout and
// whitespace do not matter while member order and values do.

#include <string>

namespace testsupport {

/// Compact form of text; "<invalid JSON: ...>" when it does not parse, so a comparison
/// with it fails with a readable message.
std::string compactJson(const std::string &text);

/// True when both texts parse and their compact forms are equal.
bool sameJson(const std::string &a, const std::string &b);

} // namespace testsupport
