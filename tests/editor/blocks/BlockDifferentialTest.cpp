#include <random>

#include "TempDir.h"
#include "editor/blocks/BlockTestFixture.h"

namespace qhe::test {
namespace {

// The block commands applied both to the Document and to a plain vector with its own block
// and cursor, compared after every step.
class BlockDifferentialTest : public BlockTest {
  protected:
    struct Oracle {
        std::vector<uint8_t> bytes;
        int64_t begin = 0, end = 0; // a complete block or 0..0
        int64_t cursor = 1;

        int64_t Size() const { return static_cast<int64_t>(bytes.size()); }
        void Unmark() { begin = end = 0; }
        void DropFrom(int64_t p) {
            if (begin != 0 && end >= p) Unmark();
        }
        void MakeEmpty() {
            bytes.clear();
            Unmark();
            cursor = 1;
        }

        void Copy(BlockCopyKind kind) {
            const int64_t a = cursor, n = end - begin + 1;
            if (begin == 0 || (begin < a && a <= end)) return;
            if ((kind != BlockCopyKind::Copy && a == begin) || (kind == BlockCopyKind::Move && a == end + 1))
                return;
            if (kind == BlockCopyKind::CopyOverwrite && a + n - 1 > Size()) return;
            const std::vector<uint8_t> block(bytes.begin() + begin - 1, bytes.begin() + end);
            if (kind == BlockCopyKind::Copy) {
                bytes.insert(bytes.begin() + a - 1, block.begin(), block.end());
            } else if (kind == BlockCopyKind::CopyOverwrite) {
                std::copy(block.begin(), block.end(), bytes.begin() + a - 1);
            } else {
                bytes.erase(bytes.begin() + begin - 1, bytes.begin() + end);
                const int64_t at = a < begin ? a - 1 : a - 1 - n;
                bytes.insert(bytes.begin() + at, block.begin(), block.end());
                begin = a < begin ? a : a - n;
                end = begin + n - 1;
                return;
            }
            begin = a;
            end = a + n - 1;
        }
        void DeleteBlock() {
            if (begin == 0) return;
            if (begin == 1 && end == Size()) return MakeEmpty();
            bytes.erase(bytes.begin() + begin - 1, bytes.begin() + end);
            cursor = std::min(begin, Size());
            Unmark();
        }
        void DeleteFromCursor() {
            if (cursor == 1) return MakeEmpty();
            bytes.resize(static_cast<size_t>(cursor - 1));
            DropFrom(cursor);
            cursor = Size();
        }
        void DeleteToCursor() {
            if (cursor == Size()) return MakeEmpty();
            bytes.erase(bytes.begin(), bytes.begin() + cursor);
            cursor = 1;
            Unmark();
        }
        void InsertFile(const std::vector<uint8_t>& file) {
            bytes.insert(bytes.begin() + cursor - 1, file.begin(), file.end());
            cursor = std::min(cursor + static_cast<int64_t>(file.size()), Size());
        }
    };

    void Start(int64_t size, std::mt19937& rng) {
        Open(size, 8, 8);
        oracle = Oracle{};
        for (int64_t p = 1; p <= size; ++p) {
            oracle.bytes.push_back(static_cast<uint8_t>(rng()));
            state.doc.SetByte(p, oracle.bytes.back());
        }
    }

    void Check(const std::string& step) {
        ASSERT_EQ(state.doc.Size(), oracle.Size()) << step;
        ASSERT_TRUE(Bytes() == oracle.bytes) << step;
        ASSERT_EQ(state.block.Complete() ? state.block.begin : 0, oracle.begin) << step;
        ASSERT_EQ(state.block.Complete() ? state.block.end : 0, oracle.end) << step;
        ASSERT_EQ(state.actions.Enabled("Blockmove1"), oracle.begin != 0) << step;
        ASSERT_EQ(ui.busyDepth, 0) << step;
        const ViewState& s = state.view;
        ASSERT_EQ(s.LastVisible, std::min<int64_t>(oracle.Size(), s.TopAddress + s.VisibleCells - 1)) << step;
        if (oracle.Size() > 0) {
            ASSERT_EQ(s.CursorPosition(), oracle.cursor) << step;
            ASSERT_GE(s.CursorPosition(), s.TopAddress) << step;
        }
    }

    Oracle oracle;
    TempDir dir;
};

TEST_F(BlockDifferentialTest, CommandsMatchAPlainVector) {
    const std::vector<uint8_t> file = RandomBytes(5, 99);
    const std::string fileName = dir.File("insert.bin");
    WriteFileBytes(fileName, file);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        // Some runs cross the buffer's 128 KiB steps.
        const int64_t scale = seed % 8 == 0 ? 200000 : 60;
        Start(4 + static_cast<int64_t>(rng() % scale), rng);
        for (int step = 0; step < 300; ++step) {
            // Deletions shrink the Document and copies of large blocks double it: start anew.
            if (oracle.Size() < 4 || oracle.Size() > 8 * scale)
                Start(4 + static_cast<int64_t>(rng() % scale), rng);
            const int64_t size = oracle.Size();
            const int op = static_cast<int>(rng() % 20);
            std::string what;
            if (op < 4) {
                const int64_t b = 1 + static_cast<int64_t>(rng() % size);
                // Mostly short blocks, so that copies keep the Document small.
                const int64_t maxLength = std::min<int64_t>(size - b + 1, rng() % 4 == 0 ? size : 8);
                const int64_t e = b + static_cast<int64_t>(rng() % maxLength);
                BlockMarking(state).SetBlock(b, e);
                oracle.begin = b;
                oracle.end = e;
                what = "mark " + std::to_string(b) + ".." + std::to_string(e);
            } else if (op < 8) {
                // Near the block more often than elsewhere, where the rules have their edges.
                int64_t p = 1 + static_cast<int64_t>(rng() % size);
                if (oracle.begin != 0 && rng() % 2 == 0)
                    p = std::clamp<int64_t>(oracle.begin + static_cast<int64_t>(rng() % 5) - 2, 1, size);
                view.ShowAddress(p, true, false);
                oracle.cursor = p;
                what = "cursor " + std::to_string(p);
            } else if (op < 11) {
                blocks.Blockcopy1Click(BlockCopyKind::Copy);
                oracle.Copy(BlockCopyKind::Copy);
                what = "copy";
            } else if (op < 13) {
                blocks.Blockcopy1Click(BlockCopyKind::CopyOverwrite);
                oracle.Copy(BlockCopyKind::CopyOverwrite);
                what = "copy over";
            } else if (op < 16) {
                blocks.Blockcopy1Click(BlockCopyKind::Move);
                oracle.Copy(BlockCopyKind::Move);
                what = "move";
            } else if (op < 17) {
                blocks.Blockdelete1Click();
                oracle.DeleteBlock();
                what = "delete block";
            } else if (op < 18) {
                blocks.InsertFile(fileName);
                oracle.InsertFile(file);
                what = "insert file";
            } else if (op < 19 && rng() % 4 == 0) {
                blocks.Deletefromcursor1Click();
                oracle.DeleteFromCursor();
                what = "delete from cursor";
            } else if (op < 20 && rng() % 4 == 0) {
                blocks.Deletetocursor1Click();
                oracle.DeleteToCursor();
                what = "delete to cursor";
            }
            Check("seed " + std::to_string(seed) + " step " + std::to_string(step) + " " + what);
            if (HasFatalFailure()) return;
        }
    }
}

} // namespace
} // namespace qhe::test
