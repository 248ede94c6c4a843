#pragma once
// Which side of a payment the embedding application is. This framework always runs as the
// merchant; the consumer case exists for code shared with the consumer side.

namespace tavro {

enum class SDKType {
    consumer,
    merchant,
};

} // namespace tavro
