#pragma once

// A small XML reader for the pictures the tests read back: elements,
// attributes, text and the five named entities and numeric references. It
// refuses what is not well-formed XML (a tag left open or closed out of
// turn, an attribute twice or unquoted, a bare "&" or "<", text outside the
// root), so that a picture a browser would not parse fails here too.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct XmlElement
{
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<std::unique_ptr<XmlElement>> children;
    std::string text; // the text directly inside, entities replaced

    const std::string *Attribute(const std::string &key) const
    {
        const auto found = attributes.find(key);
        return found == attributes.end() ? nullptr : &found->second;
    }
    // Every element below this one, in document order.
    std::vector<const XmlElement *> Descendants() const;
    // The text of this element and of all below it, in order.
    std::string AllText() const;
};

struct XmlError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::unique_ptr<XmlElement> ReadXml(std::string_view document);
