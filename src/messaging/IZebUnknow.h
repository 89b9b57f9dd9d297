#pragma once

// Reference-counted object: made with one reference, destroyed when the last one is released.
class IZebUnknow {
public:
    virtual ~IZebUnknow() = default;
    virtual long AddRef() = 0;
    virtual long Release() = 0;
};
