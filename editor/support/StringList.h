#pragma once
#include <string>
#include <vector>

#include "editor/support/Strings.h"

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

// A plain string list, optionally kept sorted (case-insensitively).
class TStringList : public TStrings {
public:
    std::string Get(int Index) const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;

    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Clear() override;
    void Delete(int Index) override;
    void Exchange(int Index1, int Index2) override;
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    int IndexOf(const std::string& S) const override;

    // Binary search of a sorted list: true and the index when found, else
    // false and the index where S belongs.
    bool Find(const std::string& S, int& Index) const;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);
    TDuplicates Duplicates = dupIgnore;

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void CheckIndex(int Index, int Limit) const;
    void Sort();

    std::vector<Item> items_;
    bool sorted_ = false;
};
