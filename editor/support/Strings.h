#pragma once
#include <string>

#include "editor/support/SrcObject.h"

// An abstract list of text lines, each with an attached object, and an
// update count that brackets groups of changes.
class TStrings : public TPersistent {
public:
    // The operations a concrete list provides.
    virtual std::string Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int Index) const;
    virtual void Put(int Index, const std::string& S);
    virtual void PutObject(int Index, TObject* AObject);
    virtual int GetCapacity() const;
    virtual void SetCapacity(int NewCapacity);
    // Each line followed by CR LF.
    virtual std::string GetTextStr() const;
    // Replaces the lines by those of Value; a line ends at CR, LF or CR LF.
    virtual void SetTextStr(const std::string& Value);
    // Called when the outermost BeginUpdate begins and EndUpdate ends.
    virtual void SetUpdateState(bool Updating);

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    virtual void AddStrings(const TStrings& Strings);
    virtual void Clear() = 0;
    virtual void Delete(int Index) = 0;
    virtual void Exchange(int Index1, int Index2);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void InsertObject(int Index, const std::string& S, TObject* AObject);
    // Index of the first line equal to S (case-insensitively), or -1.
    virtual int IndexOf(const std::string& S) const;

    void Assign(const TPersistent* Source) override;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    int Count() const { return GetCount(); }
    std::string Strings(int Index) const { return Get(Index); }
    std::string operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    std::string Text() const { return GetTextStr(); }
    void Text(const std::string& Value) { SetTextStr(Value); }

private:
    int updateCount_ = 0;
};

// Holds a BeginUpdate for its lifetime. A handler that raises from the
// closing EndUpdate while another exception is unwinding is dropped.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& strings);
    ~TStringsUpdate() noexcept(false);
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& strings_;
    int unwinding_;
};

// Case-insensitive comparison of two texts under Windows-1252: <0, 0, >0.
int CompareText(const std::string& S1, const std::string& S2);
