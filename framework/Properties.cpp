#include "framework/Properties.h"

#include "framework/Errors.h"

namespace {

void AppendBigEndian32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

std::uint32_t ReadBigEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

void AppendName(std::string& out, std::string_view name) {
    out.append(name);
    out.push_back(' ');
}

// Reads entry after entry; the record's length ends it.
class RecordReader {
  public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    std::string_view Name() {
        const std::size_t blank = bytes_.find(' ', pos_);
        if (blank == std::string_view::npos) Fail("Eigenschaftsname ohne Wert");
        std::string_view name = bytes_.substr(pos_, blank - pos_);
        pos_ = blank + 1;
        return name;
    }

    PropertyValue Value(PropertyType type) {
        switch (type) {
            case PropertyType::Int32:
                return static_cast<std::int32_t>(ReadBigEndian32(Take(4), 0));
            case PropertyType::Boolean:
                return Take(1)[0] != 0;
            case PropertyType::Color: {
                std::string_view c = Take(3);
                return Color{static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                             static_cast<std::uint8_t>(c[2])};
            }
            case PropertyType::String: {
                const std::uint32_t length = ReadBigEndian32(Take(4), 0);
                return std::string(Take(length));
            }
        }
        Fail("unbekannter Eigenschaftstyp");
    }

  private:
    std::string_view Take(std::size_t count) {
        if (count > bytes_.size() - pos_) Fail("Eintrag reicht über das Ende des Datensatzes");
        std::string_view part = bytes_.substr(pos_, count);
        pos_ += count;
        return part;
    }
    [[noreturn]] static void Fail(const char* why) {
        throw RuntimeException(std::string("Eigenschaftsdatensatz fehlerhaft: ") + why);
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

PropertyRecordWriter& PropertyRecordWriter::Int32(std::string_view name, std::int32_t value) {
    AppendName(bytes_, name);
    AppendBigEndian32(bytes_, static_cast<std::uint32_t>(value));
    return *this;
}

PropertyRecordWriter& PropertyRecordWriter::Boolean(std::string_view name, bool value) {
    AppendName(bytes_, name);
    bytes_.push_back(value ? 1 : 0);
    return *this;
}

PropertyRecordWriter& PropertyRecordWriter::Colour(std::string_view name, Color value) {
    AppendName(bytes_, name);
    bytes_.push_back(static_cast<char>(value.red));
    bytes_.push_back(static_cast<char>(value.green));
    bytes_.push_back(static_cast<char>(value.blue));
    return *this;
}

PropertyRecordWriter& PropertyRecordWriter::String(std::string_view name, std::string_view value) {
    AppendName(bytes_, name);
    AppendBigEndian32(bytes_, static_cast<std::uint32_t>(value.size()));
    bytes_.append(value);
    return *this;
}

void _SetProperties(PropertyObject& target, std::string_view record) {
    RecordReader reader(record);
    while (!reader.AtEnd()) {
        const std::string_view name = reader.Name();
        target.SetProperty(name, reader.Value(target.TypeOf(name)));
    }
}

namespace {

PropertyType TypeOfValue(const PropertyValue& value) {
    switch (value.index()) {
        case 0:
            return PropertyType::Int32;
        case 1:
            return PropertyType::Boolean;
        case 2:
            return PropertyType::Color;
        default:
            return PropertyType::String;
    }
}

}  // namespace

void PropertyObject::SetProperty(std::string_view name, const PropertyValue& value) {
    if (TypeOf(name) != TypeOfValue(value))
        throw RuntimeException("Eigenschaft " + std::string(name) + ": Wert vom falschen Typ");
    // One search finds the entry or the place for it.
    auto it = values_.lower_bound(name);
    if (it != values_.end() && it->first == name)
        it->second = value;
    else
        values_.emplace_hint(it, std::string(name), value);
    ApplyProperty(name, value);
}

const PropertyValue& PropertyObject::Property(std::string_view name) const {
    auto it = values_.find(name);
    if (it == values_.end())
        throw RuntimeException("Eigenschaft nicht gesetzt: " + std::string(name));
    return it->second;
}

bool PropertyObject::HasProperty(std::string_view name) const {
    return values_.find(name) != values_.end();
}

void PropertyObject::ApplyProperty(std::string_view, const PropertyValue&) {}
