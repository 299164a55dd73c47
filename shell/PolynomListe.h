#pragma once
// The polynomial list: polynomial texts in order of first appearance, no text twice. It keeps
// the index of its entries itself, so every change goes through it and the membership test
// never walks the list (loading a long file stays linear). Entries cannot be changed in place;
// they can only be appended, removed or cut off, and the index follows each of these.
// Reading works like a std::vector<std::string>.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <unordered_set>
#include <vector>

class PolynomListe {
  public:
    using value_type = std::string;
    using const_iterator = std::vector<std::string>::const_iterator;
    using iterator = const_iterator;

    PolynomListe() = default;
    // The texts in order; a text that is already in the list is skipped.
    PolynomListe(std::initializer_list<std::string> texte) {
        for (const std::string& t : texte) Anhaengen(t);
    }

    std::size_t size() const { return eintraege_.size(); }
    bool empty() const { return eintraege_.empty(); }
    const std::string& operator[](std::size_t i) const { return eintraege_[i]; }
    const std::string& front() const { return eintraege_.front(); }
    const std::string& back() const { return eintraege_.back(); }
    const_iterator begin() const { return eintraege_.begin(); }
    const_iterator end() const { return eintraege_.end(); }
    // The entries as a plain list, for code and checks that want one.
    operator const std::vector<std::string>&() const { return eintraege_; }

    // True when some entry equals s (compared whole, trailing blanks included).
    bool Enthaelt(const std::string& s) const { return index_.count(s) != 0; }

    // Appends s at the end unless it is already in the list; true when it was appended. When
    // memory runs out the list stays as it was.
    bool Anhaengen(const std::string& s) {
        const auto [stelle, neu] = index_.insert(s);
        if (!neu) return false;
        try {
            eintraege_.push_back(s);
        } catch (...) {
            index_.erase(stelle);
            throw;
        }
        return true;
    }

    // Removes entry i (below size()); the entries behind it move up by one.
    void Entfernen(std::size_t i) {
        index_.erase(eintraege_[i]);
        eintraege_.erase(eintraege_.begin() + static_cast<std::ptrdiff_t>(i));
    }

    // Keeps the first n entries and drops the rest.
    void KuerzenAuf(std::size_t n) {
        while (eintraege_.size() > n) {
            index_.erase(eintraege_.back());
            eintraege_.pop_back();
        }
    }

    friend bool operator==(const PolynomListe& a, const PolynomListe& b) {
        return a.eintraege_ == b.eintraege_;
    }
    friend bool operator==(const PolynomListe& a, const std::vector<std::string>& b) {
        return a.eintraege_ == b;
    }

  private:
    std::vector<std::string> eintraege_;
    std::unordered_set<std::string> index_;
};
