#pragma once
// Value types of text fields: keyboards, return keys, borders, overlay view modes, text input traits.

namespace platform {

// The keyboard shown while a field edits. The pads offer only their keys (a number pad: digits).
enum class UIKeyboardType {
    defaultType = 0,
    asciiCapable = 1,
    numbersAndPunctuation = 2,
    URL = 3,
    numberPad = 4,
    phonePad = 5,
    namePhonePad = 6,
    emailAddress = 7,
    decimalPad = 8,
    twitter = 9,
    webSearch = 10,
    asciiCapableNumberPad = 11,
};

// The label of the keyboard's return key; the pads (number, phone, decimal) have none.
enum class UIReturnKeyType {
    defaultType = 0,
    go,
    google,
    join,
    next,
    route,
    search,
    send,
    yahoo,
    done,
    emergencyCall,
    continueType,
};

enum class UITextBorderStyle { none = 0, line = 1, bezel = 2, roundedRect = 3 };

// When an overlay view (left, right, clear button) is shown.
enum class UITextFieldViewMode { never = 0, whileEditing = 1, unlessEditing = 2, always = 3 };

enum class UITextAutocorrectionType { defaultType = 0, no = 1, yes = 2 };
enum class UITextAutocapitalizationType { none = 0, words = 1, sentences = 2, allCharacters = 3 };

} // namespace platform
