// The program's single link to the controllers: its state, Connect, Disconnect, the stop
// flag, the adapter check and the addressing rule the other device operations share.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "comm/exchange/base_obmen.h"
#include "comm/link/custom_link.h"

// Result of Connect for a link kind whose transport the program does not have yet (CAN
// adapter, line multiplexer 15, modems).
inline constexpr int kLinkKindNotAvailable = kNotForThisLink;

// "Не установлены параметры связи"
extern const char kNoLinkText[];

struct TDeviceState {
    // The open exchange; owned here.
    std::unique_ptr<TBase_Obmen> Exchange;
    // The exchange refers to its link settings; this copy keeps them alive with it.
    std::unique_ptr<TCustomLink> LinkSettings;
    uint8_t AdapterByte = 0;  // network number of the adapter (when Direct is false)
    bool Direct = true;       // modules are addressed directly, without an adapter
    bool StopRequested = false;
    uint32_t AdapterFlags = 0;
    bool AdapterFlagBit = false;
    // Code of the last Connect: 0, the code of Open, or kLinkKindNotAvailable.
    int ConnectCode = 0;
};

// The program-wide link state.
TDeviceState& Device();

// Where a request for a module goes: the module itself, or the adapter that passes it on.
struct RouteTarget {
    int via = 0;
    bool direct = true;
};
RouteTarget RouteFor(int address);

// Code of every operation called without an open link.
inline constexpr int kNoLink = -1;
// The open exchange; nullptr, with message kNoLinkText, when there is none.
TBase_Obmen* LinkedExchange(std::string& message);

using ProgressCallback = std::function<void(int attempt)>;
using LogCallback = std::function<void(const std::string& text, int kind)>;

// Opens a new exchange for the link's kind. adapterNumber: the adapter's network number,
// negative (or above 255) for direct addressing. answerWindow: days of the continuation
// wait when above 0. True when the line is open; message holds the outcome.
bool Connect(const TCustomLink& link, int adapterNumber, std::string& message, double answerWindow,
             ProgressCallback progress, LogCallback log);
// Closes and frees the exchange.
bool Disconnect();
void RequestStop(bool flag);
bool StopRequested();
// Probes the adapter (when one is used) and reads its capability word.
int CheckAdapter(std::string& message);
// "  Выход по требованию оператора " when a link is open, else kNoLinkText.
void ConnectionErrorText(std::string& message);
