#include "svgreader.h"

#include <cstdint>

namespace {

class Reader
{
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::unique_ptr<XmlElement> Document()
    {
        SkipBlanks();
        if (!Starts("<"))
            Fail("no root element");
        auto root = Element();
        SkipBlanks();
        if (at_ != text_.size())
            Fail("something after the root element");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string &problem) const
    {
        throw XmlError(problem + " at offset " + std::to_string(at_));
    }

    bool Starts(std::string_view s) const { return text_.substr(at_, s.size()) == s; }

    void Expect(std::string_view s)
    {
        if (!Starts(s)) {
            std::string problem(s);
            problem += " expected";
            Fail(problem);
        }
        at_ += s.size();
    }

    void SkipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\t' || text_[at_] == '\r'))
            ++at_;
    }

    static bool NameChar(char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_' || c == ':' || c == '.';
    }

    std::string Name()
    {
        const std::size_t start = at_;
        while (at_ < text_.size() && NameChar(text_[at_]))
            ++at_;
        if (at_ == start)
            Fail("a name expected");
        return std::string(text_.substr(start, at_ - start));
    }

    static void Utf8(std::string &out, std::uint32_t c)
    {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    // Text up to `end`, entities replaced; "<" may not occur in it.
    std::string Characters(char end)
    {
        std::string out;
        while (at_ < text_.size() && text_[at_] != end) {
            const char c = text_[at_];
            if (c == '<')
                Fail("\"<\" inside text");
            if (c != '&') {
                out += c;
                ++at_;
                continue;
            }
            const std::size_t semicolon = text_.find(';', at_);
            if (semicolon == std::string_view::npos || semicolon - at_ > 10)
                Fail("a bare \"&\"");
            const std::string_view entity = text_.substr(at_ + 1, semicolon - at_ - 1);
            if (entity == "amp")
                out += '&';
            else if (entity == "lt")
                out += '<';
            else if (entity == "gt")
                out += '>';
            else if (entity == "quot")
                out += '"';
            else if (entity == "apos")
                out += '\'';
            else if (entity.size() > 1 && entity[0] == '#')
                Utf8(out,
                     static_cast<std::uint32_t>(
                         entity[1] == 'x' ? std::stoul(std::string(entity.substr(2)), nullptr, 16)
                                          : std::stoul(std::string(entity.substr(1)))));
            else
                Fail("an unknown entity &" + std::string(entity) + ";");
            at_ = semicolon + 1;
        }
        return out;
    }

    std::unique_ptr<XmlElement> Element()
    {
        Expect("<");
        auto element = std::make_unique<XmlElement>();
        element->name = Name();
        for (;;) {
            const std::size_t before = at_;
            SkipBlanks();
            if (Starts("/>")) {
                at_ += 2;
                return element;
            }
            if (Starts(">")) {
                ++at_;
                break;
            }
            if (at_ == before)
                Fail("a blank expected before an attribute");
            const std::string key = Name();
            SkipBlanks();
            Expect("=");
            SkipBlanks();
            if (!Starts("\"") && !Starts("'"))
                Fail("an unquoted attribute");
            const char quote = text_[at_++];
            std::string value = Characters(quote);
            Expect(std::string_view(&quote, 1));
            if (!element->attributes.emplace(key, std::move(value)).second)
                Fail("the attribute " + key + " twice");
        }
        for (;;) {
            element->text += Characters('<');
            if (at_ >= text_.size())
                Fail("<" + element->name + "> left open");
            if (Starts("</")) {
                at_ += 2;
                if (Name() != element->name)
                    Fail("</...> does not close <" + element->name + ">");
                SkipBlanks();
                Expect(">");
                return element;
            }
            if (Starts("<!--")) {
                const std::size_t end = text_.find("-->", at_);
                if (end == std::string_view::npos)
                    Fail("a comment left open");
                at_ = end + 3;
                continue;
            }
            element->children.push_back(Element());
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

void Collect(const XmlElement &element, std::vector<const XmlElement *> &out)
{
    for (const auto &child : element.children) {
        out.push_back(child.get());
        Collect(*child, out);
    }
}

} // namespace

std::vector<const XmlElement *> XmlElement::Descendants() const
{
    std::vector<const XmlElement *> out;
    Collect(*this, out);
    return out;
}

std::string XmlElement::AllText() const
{
    std::string out = text;
    for (const auto &child : children)
        out += child->AllText();
    return out;
}

std::unique_ptr<XmlElement> ReadXml(std::string_view document)
{
    return Reader(document).Document();
}
