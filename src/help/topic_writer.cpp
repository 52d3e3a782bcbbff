#include "help/topic_writer.h"

#include "help/context_hash.h"

namespace {

constexpr std::size_t BlockBytes = 4096;
constexpr std::size_t BlockHeaderBytes = 12;
constexpr std::uint32_t WindowBytes = 0x4000;     // what a block unpacks into, at most
constexpr std::uint32_t CharactersPerBlock = 0x8000;  // a topic offset's block unit
constexpr std::uint32_t None = 0xFFFFFFFF;
// Literals only: a flag byte before every eight bytes, so 3630 bytes fill the 4084 a block holds.
constexpr std::size_t BlockCapacity = (BlockBytes - BlockHeaderBytes) / 9 * 8 + (BlockBytes - BlockHeaderBytes) % 9 - 1;

// Offsets inside a record's fixed part.
constexpr std::size_t RecordPrevious = 0x08, RecordNext = 0x0C;
constexpr std::size_t HeaderTopicSize = 0x15, HeaderBrowseBack = 0x19, HeaderBrowseForward = 0x1D,
                      HeaderTopicNumber = 0x21, HeaderNonScroll = 0x25, HeaderScroll = 0x29, HeaderNextTopic = 0x2D;
constexpr std::uint8_t TopicHeaderRecord = 0x02, TextRecord = 0x20;

enum FormatCommand : std::uint8_t { FontChange = 0x80, EndOfParagraph = 0x82, EndOfJump = 0x89, Jump = 0xE3, EndOfText = 0xFF };

// Paragraph spacing in half points.
struct ParagraphLook {
  HelpFont font;
  int above, below, indent;
};

constexpr ParagraphLook TitleLook{HelpFont::Title, 0, 12, 0};

ParagraphLook LookOf(HelpParagraphStyle style) {
  switch (style) {
    case HelpParagraphStyle::Subheading: return {HelpFont::Subheading, 8, 2, 0};
    case HelpParagraphStyle::Item: return {HelpFont::Body, 0, 2, 16};
    case HelpParagraphStyle::Body: break;
  }
  return {HelpFont::Body, 0, 6, 0};
}

struct Record {
  HelpBytes bytes;
  std::size_t topic = 0;
  bool topicHeader = false;
  std::uint32_t characters = 0;  // how far the record moves a topic offset
  std::uint32_t block = 0;       // where it lies, once laid out
  std::uint32_t position = 0;
};

HelpBytes RecordBytes(std::uint8_t type, const HelpBytes& data1, const HelpBytes& data2) {
  HelpBytes out;
  const auto length1 = static_cast<std::uint32_t>(21 + data1.size());
  AppendU32(out, static_cast<std::uint32_t>(length1 + data2.size()));
  AppendU32(out, static_cast<std::uint32_t>(data2.size()));
  AppendU32(out, None);  // previous and next record, set once laid out
  AppendU32(out, None);
  AppendU32(out, length1);
  AppendU8(out, type);
  Append(out, data1);
  Append(out, data2);
  return out;
}

Record HeaderRecord(const HelpBytes& title, std::size_t index) {
  HelpBytes data1;
  for (int field = 0; field < 7; ++field) AppendU32(data1, None);  // filled once laid out
  Record record{RecordBytes(TopicHeaderRecord, data1, title), index, true, 0, 0, 0};
  PutU32(record.bytes, HeaderTopicNumber, static_cast<std::uint32_t>(index));
  return record;
}

Record TopicHeader(const HelpTopic& topic, std::size_t index) {
  HelpBytes title;
  AppendStringZ(title, topic.title);
  for (const std::string& macro : topic.macros) AppendStringZ(title, macro);  // the viewer runs them after the title
  return HeaderRecord(title, index);
}

// The text is a list of strings, each followed by one formatting command: a string ends where
// a command is due.
class TextRecordBuilder {
 public:
  explicit TextRecordBuilder(const ParagraphLook& look) {
    AppendU8(format_, 0);     // two bytes viewers skip: zero, and zero stored with a bias of 0x80
    AppendU8(format_, 0x80);
    AppendU16(format_, 0);    // paragraph id
    const std::uint32_t bits = (look.above ? 0x02 : 0) | (look.below ? 0x04 : 0) | (look.indent ? 0x10 : 0);
    AppendU16(format_, bits);
    if (look.above) AppendPackedS16(format_, look.above);
    if (look.below) AppendPackedS16(format_, look.below);
    if (look.indent) AppendPackedS16(format_, look.indent);
    Emit(FontChange);
    AppendU16(format_, static_cast<std::uint16_t>(look.font));
  }

  void Add(const HelpRun& run) {
    if (run.target.empty()) {
      pending_ += run.text;
      return;
    }
    Emit(Jump);
    AppendU32(format_, static_cast<std::uint32_t>(ContextHash(run.target)));
    pending_ = run.text;
    Emit(EndOfJump);
  }

  Record Finish(std::size_t topic) {
    Emit(EndOfParagraph);
    Emit(EndOfText);
    HelpBytes data1;
    AppendPackedSize(data1, static_cast<std::uint32_t>(text_.size()));
    AppendPackedU16(data1, static_cast<std::uint32_t>(text_.size()));
    Append(data1, format_);
    return {RecordBytes(TextRecord, data1, text_), topic, false, static_cast<std::uint32_t>(text_.size()), 0, 0};
  }

 private:
  // Ends the pending string; the command follows it.
  void Emit(FormatCommand command) {
    AppendStringZ(text_, pending_);
    pending_.clear();
    AppendU8(format_, command);
  }

  HelpBytes format_;
  HelpBytes text_;
  std::string pending_;
};

Record TextRecordOf(const ParagraphLook& look, const std::vector<HelpRun>& runs, std::size_t topic) {
  TextRecordBuilder builder(look);
  for (const HelpRun& run : runs) builder.Add(run);
  return builder.Finish(topic);
}

std::vector<Record> Records(const HelpDocument& document) {
  std::vector<Record> records;
  for (std::size_t t = 0; t < document.topics.size(); ++t) {
    const HelpTopic& topic = document.topics[t];
    records.push_back(TopicHeader(topic, t));
    records.push_back(TextRecordOf(TitleLook, {{topic.title, {}}}, t));
    for (const HelpParagraph& paragraph : topic.paragraphs) {
      records.push_back(TextRecordOf(LookOf(paragraph.style), paragraph.runs, t));
    }
  }
  // An empty header ends the chain, as help compilers write it: a viewer that takes the last
  // record for the end of the topics would otherwise drop the last paragraph.
  records.push_back(HeaderRecord({}, document.topics.size()));
  return records;
}

// Packs a block's bytes as literals: a zero flag byte says the eight bytes after it are plain.
HelpBytes PackLiterals(const HelpBytes& plain) {
  HelpBytes packed;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    if (i % 8 == 0) AppendU8(packed, 0);
    packed.push_back(plain[i]);
  }
  return packed;
}

// Places the records block by block, then links them and writes the blocks.
class Layout {
 public:
  explicit Layout(std::vector<Record> records) : records_(std::move(records)) {}

  bool Place(std::size_t topicCount) {
    topicOffsets_.assign(topicCount, 0);
    std::size_t used = 0;
    std::uint32_t characters = 0;
    for (Record& record : records_) {
      if (record.bytes.size() > BlockCapacity) return false;
      if (blocks_ == 0 || used + record.bytes.size() > BlockCapacity) {
        ++blocks_;
        used = 0;
        characters = 0;
      }
      record.block = blocks_ - 1;
      record.position = BlockHeaderBytes + record.block * WindowBytes + static_cast<std::uint32_t>(used);
      if (record.topicHeader && record.topic < topicCount) {
        topicOffsets_[record.topic] = record.block * CharactersPerBlock + characters;
      }
      characters += record.characters;
      used += record.bytes.size();
    }
    return true;
  }

  void Link() {
    for (std::size_t i = 0; i < records_.size(); ++i) {
      PutU32(records_[i].bytes, RecordPrevious, i == 0 ? None : records_[i - 1].position);
      PutU32(records_[i].bytes, RecordNext, i + 1 == records_.size() ? None : records_[i + 1].position);
      if (records_[i].topicHeader) LinkTopicHeader(i);
    }
  }

  TopicFile Finish() const {
    TopicFile file;
    std::uint32_t lastHeader = None;
    std::size_t next = 0;
    for (std::uint32_t block = 0; block < blocks_; ++block) {
      AppendU32(file.bytes, next == 0 ? None : records_[next - 1].position);
      AppendU32(file.bytes, records_[next].position);
      AppendU32(file.bytes, lastHeader);
      HelpBytes plain;
      for (; next < records_.size() && records_[next].block == block; ++next) {
        Append(plain, records_[next].bytes);
        if (records_[next].topicHeader) lastHeader = records_[next].position;
      }
      Append(file.bytes, PackLiterals(plain));
      file.bytes.resize((block + 1) * BlockBytes, 0);  // packed zeros unpack to zeros behind the records
    }
    file.topicOffsets = topicOffsets_;
    return file;
  }

 private:
  void LinkTopicHeader(std::size_t header) {
    std::size_t end = header + 1;
    while (end < records_.size() && !records_[end].topicHeader) ++end;
    std::uint32_t topicBytes = 0;
    for (std::size_t i = header; i < end; ++i) topicBytes += static_cast<std::uint32_t>(records_[i].bytes.size());
    HelpBytes& bytes = records_[header].bytes;
    PutU32(bytes, HeaderTopicSize, topicBytes);
    PutU32(bytes, HeaderBrowseBack, None);
    PutU32(bytes, HeaderBrowseForward, None);
    PutU32(bytes, HeaderNonScroll, None);
    PutU32(bytes, HeaderScroll, header + 1 < end ? records_[header + 1].position : None);  // the title's record, if any
    PutU32(bytes, HeaderNextTopic, end < records_.size() ? records_[end].position : None);
  }

  std::vector<Record> records_;
  std::uint32_t blocks_ = 0;
  std::vector<std::uint32_t> topicOffsets_;
};

}  // namespace

std::optional<TopicFile> WriteTopicFile(const HelpDocument& document) {
  Layout layout(Records(document));
  if (!layout.Place(document.topics.size())) return std::nullopt;
  layout.Link();
  return layout.Finish();
}
