#include <cstdio>
#include <string>

#include "zentra/config/named_values.h"
#include "zentra/pfd/pfd_settings.h"

namespace zentra {

namespace {

class InfoKeys {
  public:
    InfoKeys(const char* file, const char* section) : file_(file), section_(section) {}

    std::wstring text(const char* field, const char* part, const wchar_t* def,
                      size_t limit = kInfoTextLength) {
        std::wstring value = readWideText(file_, section_, key(field, part), def);
        if (value.size() > limit) value.resize(limit);
        return value;
    }
    ConfigPoint position(const char* field) {
        return readPoint(file_, section_, key(field, "Position"), "-1000,-1000");
    }
    int32_t alignment(const char* field, int32_t def) {
        return readAlignment(file_, section_, key(field, "Alignment"), def);
    }
    DisplayCondition display(const char* field, DisplayCondition def) {
        return DisplayCondition(readNamed(file_, section_, key(field, "Display"),
                                          countOf(kDisplayConditionNames), kDisplayConditionNames,
                                          int(def)));
    }
    float real(const char* field, const char* part, float def) {
        return readFloat(file_, section_, key(field, part), def);
    }
    int32_t named(const char* field, const char* part, int count, const char* const* names,
                  int def) {
        return readNamed(file_, section_, key(field, part), count, names, def);
    }

    static constexpr size_t kInfoTextLength = 19;

  private:
    const char* key(const char* field, const char* part) {
        std::snprintf(buffer_, sizeof buffer_, "Info%s%s", field, part);
        return buffer_;
    }

    const char* file_;
    const char* section_;
    char buffer_[96];
};

void readPlain(InfoKeys& keys, const char* name, PfdInfoFieldSettings& f) {
    f.prefix = keys.text(name, "Prefix", L"");
    f.suffix = keys.text(name, "Suffix", L"");
    f.position = keys.position(name);
    f.alignment = keys.alignment(name, 2);
}

// The field whose anchor and display a navigation field takes by default.
int navigationDefaultSource(int field) {
    switch (field) {
        case kInfoVOR1Bearing:
        case kInfoVOR1Distance:
        case kInfoVOR2Id:
        case kInfoADFId:
        case kInfoWaypointId:
        case kInfoCourse:
            return kInfoVOR1Id;
        case kInfoVOR2Bearing:
        case kInfoVOR2Distance:
            return kInfoVOR2Id;
        case kInfoADFBearing:
            return kInfoADFId;
        case kInfoWaypointBearing:
        case kInfoWaypointDistance:
            return kInfoWaypointId;
        default:
            return -1;
    }
}

}  // namespace

void readPfdInfoFields(const char* file, const char* section, PfdInfoSettings& info) {
    InfoKeys keys(file, section);
    auto& fields = info.fields;

    // The four mode flags have a fixed label; YawDamper's keys say "YD".
    static constexpr struct {
        int field;
        const char* keyName;
        const wchar_t* label;
    } kLabelled[] = {{kInfoAP, "AP", L"A/P"},
                     {kInfoFD, "FD", L"F/D"},
                     {kInfoATHR, "ATHR", L"A/THR"},
                     {kInfoYawDamper, "YD", L"YD"}};
    for (const auto& l : kLabelled) {
        PfdInfoFieldSettings& f = fields[size_t(l.field)];
        f.label = keys.text(l.keyName, "Label", l.label);
        f.position = keys.position(l.keyName);
        f.alignment = keys.alignment(l.keyName, 2);
    }

    for (int field : {kInfoAPSpeed, kInfoAPAltitude, kInfoAPHeading}) {
        readPlain(keys, kPfdInfoFieldNames[field], fields[size_t(field)]);
    }

    PfdInfoFieldSettings& mach = fields[kInfoMach];
    mach.prefix = keys.text("Mach", "Prefix", L"");
    mach.position = keys.position("Mach");
    info.machMin = keys.real("Mach", "Min", 0.0f);
    mach.alignment = keys.alignment("Mach", 2);

    for (int field : {kInfoGS, kInfoTAS, kInfoDH}) {
        readPlain(keys, kPfdInfoFieldNames[field], fields[size_t(field)]);
    }

    PfdInfoFieldSettings& baro = fields[kInfoBaro];
    info.baroStandardLabel = keys.text("Baro", "StandardLabel", L"STD");
    baro.prefix = keys.text("Baro", "Prefix", L"");
    baro.suffix = keys.text("Baro", "Suffix", L"");
    baro.position = keys.position("Baro");
    baro.alignment = keys.alignment("Baro", 2);
    info.baroFormat = keys.named("Baro", "Format", countOf(kBaroFormatNames), kBaroFormatNames, 0);
    info.baroInHgSuffix = keys.text("Baro", "InHgSuffix", L"");
    info.baroMbSuffix = keys.text("Baro", "MbSuffix", L"");

    readPlain(keys, "VS", fields[kInfoVS]);
    readPlain(keys, "Course", fields[kInfoCourse]);

    // Navigation fields; Course is read again here, and this read decides.
    for (int field = kInfoVOR1Id; field <= kInfoCourse; ++field) {
        const char* name = kPfdInfoFieldNames[field];
        const int source = navigationDefaultSource(field);
        const int32_t alignmentDefault = source < 0 ? 2 : fields[size_t(source)].alignment;
        const DisplayCondition displayDefault =
            source < 0 ? DisplayCondition::Always : fields[size_t(source)].display;
        PfdInfoFieldSettings& f = fields[size_t(field)];
        f.prefix = keys.text(name, "Prefix", L"");
        f.suffix = keys.text(name, "Suffix", L"");
        f.position = keys.position(name);
        f.alignment = keys.alignment(name, alignmentDefault);
        f.display = keys.display(name, displayDefault);
    }
}

void readPfdUserMessages(const char* file, const char* section,
                         std::array<PfdUserMessage, kPfdUserMessages>& messages) {
    char key[64];
    for (int i = 0; i < kPfdUserMessages; ++i) {
        PfdUserMessage& m = messages[size_t(i)];
        std::snprintf(key, sizeof key, "UserMessage%dLabel", i + 1);
        m.label = readWideText(file, section, key, L"");
        if (m.label.size() > kUserMessageLength) m.label.resize(kUserMessageLength);
        if (m.label.empty()) continue;
        std::snprintf(key, sizeof key, "UserMessage%dPosition", i + 1);
        m.position = readPoint(file, section, key, "-1000,-1000");
        std::snprintf(key, sizeof key, "UserMessage%dAlignment", i + 1);
        m.alignment = readAlignment(file, section, key, 2);
    }
}

}  // namespace zentra
