#include "docx/package_parts.h"

#include "docx/document_xml.h"
#include "docx/faces.h"
#include "docx/xml_text.h"

namespace mathsheets::docx {

namespace {

constexpr std::string_view kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
constexpr std::string_view kMainNamespace =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
constexpr std::string_view kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string ContentTypes() {
  constexpr std::string_view kWordType =
      "application/vnd.openxmlformats-officedocument.wordprocessingml.";
  std::string xml(kXmlDeclaration);
  xml +=
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  const std::pair<std::string_view, std::string_view> overrides[] = {
      {"/word/document.xml", "document.main+xml"}, {"/word/styles.xml", "styles+xml"},
      {"/word/settings.xml", "settings+xml"},      {"/word/fontTable.xml", "fontTable+xml"},
      {"/word/header1.xml", "header+xml"},
  };
  for (const auto& [part, type] : overrides) {
    xml += "<Override PartName=\"";
    xml += part;
    xml += "\" ContentType=\"";
    xml += kWordType;
    xml += type;
    xml += "\"/>";
  }
  return xml + "</Types>";
}

std::string Relationships(
    std::initializer_list<std::pair<std::string_view, std::string_view>> targets) {
  std::string xml(kXmlDeclaration);
  xml += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  for (const auto& [type, target] : targets) {
    std::string id(type);
    id[0] = static_cast<char>(id[0] - 'a' + 'A');
    xml += "<Relationship Id=\"rId" + id + "\" Type=\"";
    xml += kRelationshipTypes;
    xml += type;
    xml += "\" Target=\"";
    xml += target;
    xml += "\"/>";
  }
  return xml + "</Relationships>";
}

std::string Fonts(std::string_view face) {
  std::string xml = "<w:rFonts w:ascii=\"";
  for (const std::string_view slot : {"\" w:eastAsia=\"", "\" w:hAnsi=\"", "\" w:cs=\""}) {
    xml += face;
    xml += slot;
  }
  xml += face;
  return xml + "\"/>";
}

std::string Styles(const sheet::PrintLayout& layout) {
  const std::string size = std::to_string(BodyHalfPoints(layout));
  std::string xml(kXmlDeclaration);
  xml += "<w:styles ";
  xml += kMainNamespace;
  xml +=
      "><w:docDefaults><w:rPrDefault><w:rPr>" + Fonts(kBodyFace) + "<w:sz w:val=\"" + size +
      "\"/><w:szCs w:val=\"" + size +
      "\"/><w:lang w:val=\"ru-RU\" w:eastAsia=\"en-US\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault>"
      // A line holding a fraction grows; every other keeps the PDF's distance of baselines.
      "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"" +
      std::to_string(BodyLineTwips(layout)) +
      "\" w:lineRule=\"atLeast\"/></w:pPr></w:pPrDefault></w:docDefaults>"
      "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
      "<w:name w:val=\"Normal\"/><w:qFormat/><w:pPr><w:widowControl/></w:pPr></w:style>"
      "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
      "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/>"
      "<w:unhideWhenUsed/></w:style>"
      "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\">"
      "<w:name w:val=\"Normal Table\"/><w:uiPriority w:val=\"99\"/><w:semiHidden/>"
      "<w:unhideWhenUsed/><w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar>"
      "<w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"108\" w:type=\"dxa\"/>"
      "<w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
      "</w:tblCellMar></w:tblPr></w:style></w:styles>";
  return xml;
}

std::string Settings() {
  std::string xml(kXmlDeclaration);
  xml += "<w:settings ";
  xml += kMainNamespace;
  xml +=
      " xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\">"
      "<w:defaultTabStop w:val=\"709\"/>"
      "<w:characterSpacingControl w:val=\"doNotCompress\"/>"
      "<w:compat><w:compatSetting w:name=\"compatibilityMode\" "
      "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
      "<m:mathPr><m:mathFont m:val=\"";
  xml += kMathFace;
  xml +=
      "\"/><m:brkBin m:val=\"before\"/><m:brkBinSub m:val=\"--\"/><m:smallFrac m:val=\"0\"/>"
      "<m:dispDef/><m:lMargin m:val=\"0\"/><m:rMargin m:val=\"0\"/>"
      "<m:defJc m:val=\"centerGroup\"/><m:wrapIndent m:val=\"1440\"/>"
      "<m:intLim m:val=\"subSup\"/><m:naryLim m:val=\"undOvr\"/></m:mathPr>"
      "<w:themeFontLang w:val=\"ru-RU\"/>"
      "<w:decimalSymbol w:val=\",\"/><w:listSeparator w:val=\";\"/></w:settings>";
  return xml;
}

std::string FontTable() {
  struct Face {
    std::string_view name;
    std::string_view family;
    std::string_view pitch;
  };
  const Face faces[] = {{kBodyFace, "swiss", "variable"},
                        {kMonoFace, "modern", "fixed"},
                        {kMathFace, "roman", "variable"},
                        {kSymbolFace, "swiss", "variable"}};
  std::string xml(kXmlDeclaration);
  xml += "<w:fonts ";
  xml += kMainNamespace;
  xml += ">";
  for (const Face& face : faces) {
    xml += "<w:font w:name=\"";
    xml += face.name;
    xml += "\"><w:family w:val=\"";
    xml += face.family;
    xml += "\"/><w:pitch w:val=\"";
    xml += face.pitch;
    xml += "\"/></w:font>";
  }
  return xml + "</w:fonts>";
}

// The running head of the PDF: the stamp of the file, and "стр. N из M" at the right margin.
std::string Header(const sheet::PrintLayout& layout, std::string_view stamp) {
  const std::string faint = "<w:rPr><w:color w:val=\"" + std::string(kFaintColour) +
                            "\"/><w:sz w:val=\"15\"/><w:szCs w:val=\"15\"/></w:rPr>";
  const auto text = [&faint](std::string_view value) {
    std::string run = "<w:r>" + faint + "<w:t xml:space=\"preserve\">";
    AppendXmlText(run, value);
    return run + "</w:t></w:r>";
  };
  const auto field = [&faint](std::string_view instruction) {
    return "<w:fldSimple w:instr=\" " + std::string(instruction) + " \"><w:r>" + faint +
           "<w:t>1</w:t></w:r></w:fldSimple>";
  };
  std::string xml(kXmlDeclaration);
  xml += "<w:hdr ";
  xml += kMainNamespace;
  xml += "><w:p><w:pPr><w:tabs><w:tab w:val=\"right\" w:pos=\"" +
         std::to_string(GeometryOf(layout.paper).textWidth) +
         "\"/></w:tabs><w:spacing w:line=\"240\" w:lineRule=\"auto\"/></w:pPr>" + text(stamp) +
         "<w:r>" + faint + "<w:tab/></w:r>" + text("стр. ") + field("PAGE") + text(" из ") +
         field("NUMPAGES") + "</w:p></w:hdr>";
  return xml;
}

}  // namespace

std::vector<Part> PackageParts(const sheet::PrintLayout& layout, std::string_view stamp) {
  return {
      {"[Content_Types].xml", ContentTypes()},
      {"_rels/.rels", Relationships({{"officeDocument", "word/document.xml"}})},
      {std::string(kDocumentPartName), {}},
      {"word/_rels/document.xml.rels", Relationships({{"styles", "styles.xml"},
                                                      {"settings", "settings.xml"},
                                                      {"fontTable", "fontTable.xml"},
                                                      {"header", "header1.xml"}})},
      {"word/styles.xml", Styles(layout)},
      {"word/settings.xml", Settings()},
      {"word/fontTable.xml", FontTable()},
      {"word/header1.xml", Header(layout, stamp)},
  };
}

}  // namespace mathsheets::docx
