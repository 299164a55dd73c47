#pragma once
// Property records: the byte form in which a window's and a control's layout values reach the
// framework. A record is a run of entries with no header, separator or terminator:
//   name (ASCII) | one blank | value
// where the value's form follows from the property's type:
//   Int32   4 bytes, two's complement, most significant byte first
//   Boolean 1 byte, 1 or 0
//   Color   3 bytes, red, green, blue
//   String  byte count as 4 bytes (most significant first), then the UTF-8 text
// An entry carries no type mark, so the reader must know the type of every property it meets.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(int red, int green, int blue) {
    return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(blue)};
}

enum class PropertyType { Int32, Boolean, Color, String };
using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

// Builds a record entry by entry.
class PropertyRecordWriter {
  public:
    PropertyRecordWriter& Int32(std::string_view name, std::int32_t value);
    PropertyRecordWriter& Boolean(std::string_view name, bool value);
    PropertyRecordWriter& Colour(std::string_view name, Color value);
    PropertyRecordWriter& String(std::string_view name, std::string_view value);
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// An object whose properties a record can set: windows and controls. Each class knows the type
// of every property name that its records use; the values are kept, and the ones that show are
// passed on to the widget.
class PropertyObject {
  public:
    virtual ~PropertyObject() = default;
    // The type of a property of this object's class; throws RuntimeException for an unknown one.
    virtual PropertyType TypeOf(std::string_view name) const = 0;
    // Sets one property; a value of another type than the property's raises RuntimeException.
    void SetProperty(std::string_view name, const PropertyValue& value);
    // The value last set for a property; throws RuntimeException if it was never set.
    const PropertyValue& Property(std::string_view name) const;
    bool HasProperty(std::string_view name) const;

  protected:
    // Passes a newly set value on to the widget; the default keeps it only.
    virtual void ApplyProperty(std::string_view name, const PropertyValue& value);
    // Every value set so far, by name: a widget made after its record was applied replays them.
    const std::map<std::string, PropertyValue, std::less<>>& PropertyValues() const {
        return values_;
    }

  private:
    std::map<std::string, PropertyValue, std::less<>> values_;
};

// Applies a record to an object: each entry, in record order, sets the named property. A record
// that ends inside an entry or names a property the object's class does not know raises
// RuntimeException.
void _SetProperties(PropertyObject& target, std::string_view record);
