#pragma once

// The module of the Qt decoder: its file name and the one function it exports, which gives
// a new decoder (IImageDecoder*, owned by the caller).
inline constexpr const char* kDecoderModuleName = "stampix-decode.so";
inline constexpr const char* kDecoderModuleEntry = "StampixCreateImageDecoder";
