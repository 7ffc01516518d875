#include "zentra/config/config_read_log.h"

namespace zentra {
namespace {

thread_local ConfigReadLog* activeLog = nullptr;

}  // namespace

ConfigReadLog::ConfigReadLog() : outer_(activeLog) { activeLog = this; }

ConfigReadLog::~ConfigReadLog() { activeLog = outer_; }

ConfigReadLog* ConfigReadLog::active() { return activeLog; }

const char* readerKindName(ReaderKind kind) {
    switch (kind) {
        case ReaderKind::Int:
            return "integer";
        case ReaderKind::Float:
        case ReaderKind::Double:
            return "number";
        case ReaderKind::Bool:
            return "boolean";
        case ReaderKind::Char:
            return "character";
        case ReaderKind::Text:
        case ReaderKind::WideText:
            return "text";
        case ReaderKind::Color:
        case ReaderKind::ColorValue:
            return "colour";
        case ReaderKind::Alignment:
            return "alignment";
        case ReaderKind::Named:
            return "name";
        case ReaderKind::NumberList:
            return "number list";
        case ReaderKind::Point:
            return "point";
        case ReaderKind::Box:
            return "box";
    }
    return "value";
}

}  // namespace zentra
