// Every kind of field a table can declare survives a write and a read, and the query
// language compares numbers and booleans as well as texts.
#include "DbFixture.h"

#include <limits>

namespace {

struct TypeProbe {
    const char* name = "";
    std::int32_t colour = 0;
    dbByteArray font;
    std::int16_t height = 0;
    std::int8_t code = 0;
    bool display = false;
    double offset = 0;
};

} // namespace

template <> dbTableDescriptor& dbDescriptorOf<TypeProbe>();
DB_TABLE(TypeProbe,
         dbFieldDescriptor("name", &TypeProbe::name),
         dbFieldDescriptor("colour", &TypeProbe::colour),
         dbFieldDescriptor("font", &TypeProbe::font),
         dbFieldDescriptor("height", &TypeProbe::height),
         dbFieldDescriptor("code", &TypeProbe::code),
         dbFieldDescriptor("display", &TypeProbe::display),
         dbFieldDescriptor("offset", &TypeProbe::offset));

TEST_F(DbTest, EveryFieldTypeRoundTrips)
{
    TypeProbe a;
    a.name = "a";
    a.colour = std::numeric_limits<std::int32_t>::min();
    a.font = {0xF5, 0xFF, 0x00, 0x00, 0xBC, 0x02, 0x00, 0x88};   // embedded zero bytes
    a.height = -11;
    a.code = -128;
    a.display = true;
    a.offset = 15.15;
    TypeProbe b;
    b.name = "b";
    b.colour = 0x00FF00;
    b.offset = -0.5;
    insert(a);
    insert(b);
    db_->commit();

    dbCursor<TypeProbe> c(dbCursorForUpdate);
    ASSERT_EQ(c.select("display"), 1);
    EXPECT_EQ(c->colour, a.colour);
    EXPECT_EQ(c->font, a.font);
    EXPECT_EQ(c->height, -11);
    EXPECT_EQ(c->code, -128);
    EXPECT_TRUE(c->display);
    EXPECT_DOUBLE_EQ(c->offset, 15.15);
    c->font.assign(60, 0x41);
    c->display = false;
    c.update();
    db_->commit();

    struct Case {
        const char* query;
        int count;
    } cases[] = {
        {"display", 0},
        {"not display and offset < 0", 1},
        {"offset >= 15.15 and colour < 0", 1},
        {"code = -128 or colour = 65280", 2},
        {"height <> -11", 1},
        {"name > 'a' order by offset desc", 1},
        {"font = 'x'", 0},   // byte arrays are not compared: does not compile
    };
    for (const Case& q : cases) {
        dbCursor<TypeProbe> v;
        EXPECT_EQ(v.select(q.query), q.count) << q.query;
    }
    dbCursor<TypeProbe> v;
    ASSERT_EQ(v.select("name = 'a'"), 1);
    EXPECT_EQ(v->font, dbByteArray(60, 0x41));
    EXPECT_FALSE(v->display);
    db_->commit();
}
