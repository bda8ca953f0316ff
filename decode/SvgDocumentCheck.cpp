#include "decode/SvgDocumentCheck.h"

#include <QString>
#include <QXmlStreamReader>

namespace {

constexpr const char* kSvgEntities = "実体宣言は使えません。";
constexpr const char* kSvgTooDeep = "要素の入れ子が深すぎるか、要素が多すぎます。";
constexpr const char* kSvgMalformed = "SVG文書として正しくありません。";
constexpr const char* kSvgExternal = "文書の外を参照しているため、描画しません。";

// References that stay inside the document: fragments and embedded raster images.
bool IsInternalReference(QStringView value) {
    const QString text = value.trimmed().toString();
    if (text.startsWith(u'#')) return true;
    for (const char* prefix : {"data:image/png", "data:image/jpeg", "data:image/gif"}) {
        if (text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    }
    return false;
}

std::optional<double> Number(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

void ReadRootSize(const QXmlStreamAttributes& attributes, SvgSizeFacts& facts) {
    facts.width = attributes.value(QLatin1String("width")).toString().toStdString();
    facts.height = attributes.value(QLatin1String("height")).toString().toStdString();
    facts.preserveAspectRatio =
        attributes.value(QLatin1String("preserveAspectRatio")).toString().toStdString();
    const QString viewBox = attributes.value(QLatin1String("viewBox")).toString();
    const QStringList parts =
        viewBox.simplified().replace(u',', u' ').split(u' ', Qt::SkipEmptyParts);
    if (parts.size() == 4) {
        facts.viewBoxWidth = Number(parts[2]);
        facts.viewBoxHeight = Number(parts[3]);
    }
}

}  // namespace

std::optional<SvgSizeFacts> CheckSvgDocument(const QByteArray& document, std::string* refusal) {
    const auto refuse = [refusal](const char* why) -> std::optional<SvgSizeFacts> {
        if (refusal != nullptr) *refusal = why;
        return std::nullopt;
    };
    QXmlStreamReader reader(document);
    SvgSizeFacts facts;
    int depth = 0;
    int elements = 0;
    bool inStyle = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
            case QXmlStreamReader::DTD:
                if (!reader.entityDeclarations().isEmpty() ||
                    !reader.notationDeclarations().isEmpty()) {
                    return refuse(kSvgEntities);
                }
                break;
            case QXmlStreamReader::EntityReference:
                return refuse(kSvgEntities);
            case QXmlStreamReader::StartElement: {
                if (++depth > kMaxSvgDepth || ++elements > kMaxSvgElements) {
                    return refuse(kSvgTooDeep);
                }
                if (elements == 1) {
                    if (reader.name() != QLatin1String("svg")) return refuse(kSvgMalformed);
                    ReadRootSize(reader.attributes(), facts);
                }
                for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                    if (attribute.name() == QLatin1String("href") &&
                        !IsInternalReference(attribute.value())) {
                        return refuse(kSvgExternal);
                    }
                }
                inStyle = reader.name() == QLatin1String("style");
                break;
            }
            case QXmlStreamReader::EndElement:
                --depth;
                inStyle = false;
                break;
            case QXmlStreamReader::Characters:
                if (inStyle &&
                    reader.text().contains(QLatin1String("@import"), Qt::CaseInsensitive)) {
                    return refuse(kSvgExternal);
                }
                break;
            default:
                break;
        }
    }
    if (reader.hasError() || elements == 0) return refuse(kSvgMalformed);
    return facts;
}
