#pragma once
// The codec step every host can take without the UI: a merchant's tags to payload text, validated.

// Encodes a fixed merchant, prints the payload, and checks that it validates and that the same text
// with one character changed does not. Returns true when both hold.
bool checkPayload();
