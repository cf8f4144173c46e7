// The bytes a run writes for every word problem with a generator, for a fixed seed, pinned as one
// digest per problem: a change meant to leave the worksheets alone must keep every row. A row
// changes only with a commit that says why that problem's output changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "testing/output_digest.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"

namespace mathsheets {
namespace {

struct DigestRow {
  std::string_view caption;
  std::uint64_t digest;
};

// clang-format off
constexpr DigestRow kProblemDigests[] = {
    {"Z1", 0x75d99d1eef2e0b39ULL},
    {"Z2", 0x4f9ef4a37d31a641ULL},
    {"Z3", 0x6a12f88d9db53917ULL},
    {"Z4", 0x76ff9e055a0e6490ULL},
    {"Z5", 0xf19c0a8c2d2cf834ULL},
    {"Z6", 0x863924a7c8e62d88ULL},
    {"Z7", 0xc55846b718911b7eULL},
    {"Z8", 0x31c24546a1145355ULL},
    {"Z9", 0x476a16c39b80d72dULL},
    {"Z10", 0x4ee5de105fff6c11ULL},
    {"Z11", 0xbfe6d630227b7a77ULL},
    {"Z12", 0x2461884d48cd1e63ULL},
    {"Z13", 0x5e4ac2655f03d41aULL},
    {"Z14", 0xeacfc8845eebe9d4ULL},
    {"Z15", 0x9b480d73efe91d12ULL},
    {"Z16", 0xcd4164c02d582e6eULL},
    {"Z17", 0x8abeb707a5ab5280ULL},
    {"Z18", 0xb517dc9c8b4dd628ULL},
    {"Z19", 0xa88b8c4cea8e9974ULL},
    {"Z20", 0x278267db3122c9d2ULL},
    {"Z21", 0xd9e82b2793f0be0fULL},
    {"Z22", 0x9948140dcdebca23ULL},
    {"Z23", 0xb9e6dcaf891cd355ULL},
    {"Z24", 0xb6553ec768eae236ULL},
    {"Z25", 0x966a3d6a364d02c5ULL},
    {"Z26", 0x5f6322768798fd35ULL},
    {"Z27", 0xfece7ff31943d98fULL},
    {"Z28", 0xdd00dc96b63c76efULL},
    {"Z29", 0x29fd2b6717714d22ULL},
    {"Z30", 0xb148eebcc76b8c39ULL},
    {"Z31", 0x5c867dd88d435f93ULL},
    {"Z32", 0xc0e3a7185db1d42fULL},
    {"Z33", 0x9cd3a6aed854415cULL},
    {"Z34", 0xb1b8b362a5098a9bULL},
    {"Z35", 0xd3cf6a7209caf4b2ULL},
    {"Z36", 0x9125e5975d157af4ULL},
    {"Z37", 0xa5d79f38361ab989ULL},
    {"Z38", 0x501e6b1f3a354dceULL},
    {"Z39", 0x3bddf62202c5d8f5ULL},
    {"Z40", 0x4e7e71bebb6ded9fULL},
    {"Z41", 0x5db1b522cabf3ceaULL},
    {"Z42", 0x83db6b8fb92dc9f9ULL},
    {"Z43", 0x10561070ae499c01ULL},
    {"Z44", 0x92d4ea22ee9072adULL},
    {"Z45", 0xbbaae55ac5f5c07cULL},
    {"Z46", 0x2280f737fe79cbf0ULL},
    {"Z47", 0x3f289c802a3f008fULL},
    {"Z48", 0x12e034902b0aaf20ULL},
    {"Z49", 0xa4b716539755e92fULL},
    {"Z50", 0x2803a62dc61963efULL},
    {"Z51", 0x81088fd37a30fe83ULL},
    {"Z52", 0xb1ed1766b26d0bf9ULL},
    {"Z53", 0xd0ca5c542d0c2512ULL},
    {"Z54", 0xd126988b36fbc030ULL},
    {"Z55", 0x2f0699f843a4fea3ULL},
    {"Z56", 0x41013e6306e46c7dULL},
    {"Z57", 0xe9dbd995bbbf748cULL},
    {"Z58", 0xf69f5529284cc5e2ULL},
    {"Z59", 0xe7885a6de58e135dULL},
    {"Z60", 0xa1f1a318ff64876cULL},
    {"S1", 0xcfb6f9757c969d83ULL},
    {"S2", 0xcd7e5699b0e6af7cULL},
    {"S3", 0x519ca88813ad4252ULL},
    {"S4", 0xc0198b2a369e99c8ULL},
    {"S5", 0xb7c609585575d8b2ULL},
    {"S6", 0x8e097abec6bad7c0ULL},
    {"S7", 0xcd0f1d47527cdaf9ULL},
    {"S8", 0xe563b4b505a7dfdfULL},
    {"S9", 0xe15499bd2215fa3aULL},
    {"S10", 0xb62f443b88c8ab24ULL},
    {"S11", 0x4b0e80af53c2a5dbULL},
    {"S12", 0x61a48e163616e546ULL},
    {"S13", 0x3d231218b338bb6fULL},
    {"S14", 0xb6c663679fcff33cULL},
    {"S15", 0xe8620f27b5ef3dc8ULL},
    {"S16", 0xb2aa89a8eccddb36ULL},
    {"S17", 0x8aa4a2c62630d524ULL},
    {"S18", 0xb9c521458eb7c441ULL},
    {"S19", 0xee996bfc27949dabULL},
    {"S20", 0x51cc277233bc0619ULL},
    {"S21", 0xb7d39d2c75c43dd6ULL},
    {"S22", 0x4ced57d6141ec621ULL},
    {"S23", 0xf59565ae5a073512ULL},
    {"S24", 0xbfa8999ab69109faULL},
    {"S25", 0x9332114397c970afULL},
    {"S26", 0x6cf7838f90b01dd3ULL},
    {"S27", 0xe79102a763e098cdULL},
    {"S28", 0xd925cd915cf59d98ULL},
    {"S29", 0xb4e7da2c330b0ad3ULL},
    {"S30", 0xbd49bcaaca9e65a6ULL},
    {"S31", 0xe99d28ac42ffd728ULL},
    {"S32", 0x7065c0bede4eefcaULL},
    {"S33", 0xf31cdbdad966e3b3ULL},
    {"S34", 0x849b19dda12fcf3aULL},
    {"S35", 0x0771c67e3e3cb584ULL},
    {"S36", 0xd514322962c1dbe9ULL},
    {"S37", 0x154479ca8bb51ed4ULL},
    {"S38", 0xe152a5031147a809ULL},
    {"B1", 0x9663d182a2349254ULL},
    {"B2", 0x7f78bc6d2f912825ULL},
    {"B3", 0x4dfa36edb9b0dbb2ULL},
    {"B4", 0x2bc1c992af9ccb52ULL},
    {"B5", 0xe7cd3343038fe1a7ULL},
    {"B6", 0x0147f49f737f5ee6ULL},
    {"B7", 0xaef08472d4bc1429ULL},
    {"B8", 0xb9f014d1bb116dc8ULL},
    {"B9", 0x56dce10425d3d37bULL},
    {"B10", 0x4b9f227e4e19e40cULL},
    {"B11", 0xc724f0fdf9a22843ULL},
    {"B12", 0x56d1aae3c50d7c73ULL},
    {"B13", 0x7f143efa49573e50ULL},
    {"B14", 0xcb617c522d5eadf8ULL},
    {"B15", 0x54af61281d1e46fbULL},
    {"B16", 0x8c68be136bb11452ULL},
    {"B17", 0x9558ce2f50a38a49ULL},
    {"B18", 0x46f2170a666b470bULL},
    {"B19", 0xa7c0cd7b93769d96ULL},
    {"B20", 0x074feb5350575785ULL},
    {"B21", 0xbc53d15b99bd0c22ULL},
    {"B22", 0x95fb0eeeff0950ccULL},
    {"B23", 0x82eec7a469db3b05ULL},
    {"B24", 0xd737d80b4d7ac7f1ULL},
    {"B25", 0x143b25b3b61e47a5ULL},
    {"B26", 0x6ecf33b6b68360c5ULL},
    {"B27", 0x5f8c95ec82c41fdaULL},
    {"B28", 0x10f1f4011532619aULL},
    {"B29", 0xfe0630b79102069fULL},
    {"B30", 0xb6e0bf60a5fcd4a2ULL},
    {"B31", 0x951e5d3b5d91a35bULL},
    {"B32", 0xb7c8fec3b5388630ULL},
    {"B33", 0xb1d90905175554a8ULL},
    {"B34", 0xec4df39a4e67e643ULL},
    {"B35", 0x2d1aaa83c4f5e65dULL},
    {"B36", 0xf6b39845eae1cee8ULL},
    {"B37", 0xd878e84ab5538eb1ULL},
    {"B38", 0xf797fe3863d7b20cULL},
    {"B39", 0xac0d20602726afd1ULL},
    {"B40", 0x4601555f47978311ULL},
    {"B41", 0xef974484323a0086ULL},
    {"B42", 0x8c26f7c06870ed6eULL},
    {"B43", 0xbeda81af107f21a8ULL},
    {"B44", 0x7f5bc8041f7d9901ULL},
    {"B45", 0xfb0f9ba2f36a7cd8ULL},
    {"B46", 0x7d514e172ccd15b6ULL},
    {"B47", 0x9d9d47c58b7c7c4bULL},
    {"B48", 0x85b1f7f3b8151debULL},
    {"B49", 0x8488d3f31207e750ULL},
    {"B50", 0x626371e3ec40b571ULL},
    {"B51", 0xbf0d861ed371e092ULL},
    {"B52", 0x5a5ef2680aaa151aULL},
    {"B53", 0xcb248fd793bd1848ULL},
    {"B54", 0x247e03508dca080dULL},
    {"B55", 0xf882971b70bfc23fULL},
    {"B56", 0xb951e491226427a6ULL},
    {"B57", 0xa0e96dd5adccbfb4ULL},
    {"B58", 0xb216f4ef87b5896dULL},
    {"B59", 0xde9fe94c1587411cULL},
    {"B60", 0x4c3c778817cd7349ULL},
    {"B61", 0x1e1457b5a8a65cf8ULL},
    {"B62", 0xd3cc8c897f1ffcb6ULL},
    {"B63", 0x9bec83504348a54eULL},
    {"B64", 0xf14a9bd187df0991ULL},
    {"B65", 0x4e79ab75e3e58842ULL},
    {"B66", 0x6caa8d77d409e80cULL},
    {"B67", 0x92b3f6694293e1a8ULL},
    {"B68", 0x26fead30c6a57e2cULL},
    {"B69", 0x127330183c1485a7ULL},
    {"B70", 0x4bc8486da8b11979ULL},
    {"B71", 0x6c2464f8102106bcULL},
    {"B72", 0x3cbd35f984f7fcf7ULL},
    {"B73", 0xec3f12079cdefc24ULL},
    {"B74", 0xeeced0aeab2d10f7ULL},
    {"B75", 0xd029c7f84dd84172ULL},
    {"B76", 0x22f024400acbd18aULL},
    {"B77", 0x19624abdfe806d17ULL},
    {"B78", 0x32b6d0466359b2fbULL},
    {"B79", 0xf41892d9a54618e2ULL},
    {"B80", 0x50ffbf3827985aa9ULL},
    {"B81", 0x5d59741a8eb71fc3ULL},
    {"B82", 0xa2f3af3fceff5928ULL},
    {"B83", 0xbd383ffc42f01127ULL},
    {"B84", 0x48292cd2cc5e8b96ULL},
    {"B85", 0xc19be1202e9ade5eULL},
    {"B86", 0x4a0584679c121876ULL},
    {"B87", 0xc93bf430249d08deULL},
    {"B88", 0xe3a1d84ea3a6f115ULL},
    {"B89", 0xb172aa4fb3b9dc23ULL},
    {"B90", 0xa1e33e5a662d0c6aULL},
    {"B91", 0xb27023c80192663aULL},
    {"B92", 0x285d3f45f48d4330ULL},
    {"B93", 0x77c67f36573c5b14ULL},
    {"B94", 0xf38b607b50466b3dULL},
    {"B95", 0xc71c57dbe24d60bcULL},
    {"B96", 0x234389a0300db085ULL},
    {"B97", 0x3f08c8159fd2e5edULL},
    {"B98", 0xaed7281619d96922ULL},
    {"B99", 0xf13df5d87a9d21e2ULL},
    {"B100", 0x477d9abf6ae4dde9ULL},
    {"B101", 0xbdac30d8036fa9b9ULL},
    {"B102", 0x7653de6d83067ed8ULL},
    {"B103", 0xde57292acbd40eabULL},
    {"B104", 0x8633e7bcac69f345ULL},
    {"B105", 0xc25d9d19183da5a7ULL},
    {"B106", 0x7ccb416945656fd1ULL},
    {"B107", 0xd4df3832434338a7ULL},
    {"B108", 0x200562c71630a522ULL},
    {"B109", 0xd35385fc65a4f879ULL},
    {"B110", 0x492fad91b48752c0ULL},
    {"B111", 0xafe3d00154685d14ULL},
    {"B112", 0x6b22448339d10642ULL},
    {"B113", 0x5b2605d6c9a19fd8ULL},
    {"B114", 0xd983b54007b0d447ULL},
    {"B115", 0x13faf09133f15cb6ULL},
    {"B116", 0x8238ada28a916be4ULL},
    {"B117", 0x10afec54585a9957ULL},
    {"B118", 0xa2ebba97cea1bc45ULL},
    {"B119", 0xf41558945d068807ULL},
    {"B120", 0x858f350d5dbc123bULL},
    {"B121", 0xa4666cb15c969ba7ULL},
    {"B122", 0x454417a395983edeULL},
    {"B123", 0x7820b935c15d7871ULL},
    {"B124", 0x03cad40facc8454aULL},
    {"B125", 0xadb9cb9af02fa448ULL},
    {"B126", 0x64ab963f03fea93fULL},
    {"B127", 0x131d606cb495ce28ULL},
    {"B128", 0x1d26a23f3e7ee474ULL},
    {"B129", 0xccfd67b538b10eafULL},
    {"B130", 0xe4acdb3ad1dc3581ULL},
    {"B131", 0xd4ea0c8c3f993b65ULL},
    {"B132", 0xaece62733a53ec22ULL},
};
// clang-format on

constexpr std::uint64_t kSeed = 20240601;
constexpr std::int32_t kVariants = 60;

// A run of the problem alone from a fresh module, so a problem added later cannot move the
// digest of another.
std::uint64_t ProblemDigest(int index) {
  std::uint64_t digest = testing::kFnvOffsetBasis;
  testing::DigestSink student(digest), teacher(digest);
  WorksheetFiles files{student, teacher};
  Pcg32 random(kSeed);
  ProblemModule module(random);
  ToggleSelected(module, index);
  WriteProblemVariants(module, kVariants, files);
  return digest;
}

const DigestRow* RowOf(std::string_view caption) {
  for (const DigestRow& row : kProblemDigests)
    if (row.caption == caption) return &row;
  return nullptr;
}

TEST(ProblemDigest, EveryGeneratorWritesThePinnedBytes) {
  std::string missing;
  for (const TWordProblem& problem : WordProblemCatalog()) {
    if (problem.Generator == nullptr) continue;
    const std::uint64_t digest = ProblemDigest(problem.Index);
    const DigestRow* row = RowOf(problem.Caption);
    if (row == nullptr) {
      missing += "    {\"" + std::string(problem.Caption) + "\", " +
                 testing::DigestLiteral(digest) + "},\n";
      continue;
    }
    EXPECT_EQ(testing::DigestLiteral(row->digest), testing::DigestLiteral(digest))
        << problem.Caption << " writes other bytes than before";
  }
  EXPECT_TRUE(missing.empty()) << "problems without a pinned digest; add these rows:\n" << missing;
}

TEST(ProblemDigest, EveryRowHasAGenerator) {
  for (const DigestRow& row : kProblemDigests) {
    const auto index = WordProblemIndexByCaption(row.caption);
    ASSERT_TRUE(index.has_value()) << "no problem has the caption " << row.caption;
    EXPECT_NE(WordProblemByIndex(*index).Generator, nullptr) << row.caption << " has no generator";
  }
}

}  // namespace
}  // namespace mathsheets
