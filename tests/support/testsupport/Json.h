#pragma once
// JSON comparison for tests: texts are compared in their compact form, so layout and
// whitespace do not matter while member order and values do.

#include <memory>
#include <string>
#include <vector>

struct cJSON;

namespace testsupport {

struct NodeDeleter
{
    void operator()(cJSON *node) const;
};
/// Owner of a cJSON tree.
using Node = std::unique_ptr<cJSON, NodeDeleter>;

/// Parses text (null when it is not JSON).
Node parseJson(const std::string &text);

/// Compact form of a node; "<null>" for none.
std::string compactJson(const cJSON *node);

/// Member names of an object (or "" for unnamed array elements), in order.
std::vector<std::string> keysOf(const cJSON *node);

/// As compactJson and keysOf, for a node the caller hands over (a record's toJSON()),
/// which is released here.
std::string compactOwned(cJSON *node);
std::vector<std::string> keysOwned(cJSON *node);

/// Compact form of text; "<invalid JSON: ...>" when it does not parse, so a comparison
/// with it fails with a readable message.
std::string compactJson(const std::string &text);

/// True when both texts parse and their compact forms are equal.
bool sameJson(const std::string &a, const std::string &b);

} // namespace testsupport
