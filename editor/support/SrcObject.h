#pragma once
#include <string>

// Root of the editor's own classes: a virtual destructor and the class name
// used in messages.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;

    // The dynamic class name, as written in the source ("TSrcGutter").
    std::string ClassName() const;
};

// An object whose settings can be copied from another with Assign.
class TPersistent : public TObject {
public:
    // Copies from Source; a source of an unknown kind raises EConvertError.
    virtual void Assign(const TPersistent* Source);

protected:
    // Gives the destination a chance when it does not know the source.
    virtual void AssignTo(TPersistent* Dest) const;
};
