#pragma once
// The type of the message row's delegate slot. The row calls nothing through it.

namespace tavro {

class TAVROMessageCellViewProtocol {
public:
    virtual ~TAVROMessageCellViewProtocol() = default;
};

} // namespace tavro
