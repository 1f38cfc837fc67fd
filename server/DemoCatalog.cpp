#include "DemoCatalog.h"

const QList<DemoCatalog::Province> &DemoCatalog::provinces()
{
    static const QList<Province> list{
        {11, QStringLiteral("北京"), {{1101, QStringLiteral("北京")}}},
        {12, QStringLiteral("天津"), {{1201, QStringLiteral("天津")}}},
        {13, QStringLiteral("河北"), {{1301, QStringLiteral("石家庄")}, {1302, QStringLiteral("唐山")}, {1304, QStringLiteral("邯郸")}}},
        {14, QStringLiteral("山西"), {{1401, QStringLiteral("太原")}}},
        {21, QStringLiteral("辽宁"), {{2101, QStringLiteral("沈阳")}, {2102, QStringLiteral("大连")}, {2103, QStringLiteral("鞍山")}}},
        {31, QStringLiteral("上海"), {{3101, QStringLiteral("上海")}}},
        {32, QStringLiteral("江苏"), {{3201, QStringLiteral("南京")}, {3202, QStringLiteral("无锡")}, {3205, QStringLiteral("苏州")}, {3204, QStringLiteral("常州")}}},
        {33, QStringLiteral("浙江"), {{3301, QStringLiteral("杭州")}, {3302, QStringLiteral("宁波")}}},
        {34, QStringLiteral("安徽"), {{3401, QStringLiteral("合肥")}, {3405, QStringLiteral("马鞍山")}}},
        {35, QStringLiteral("福建"), {{3501, QStringLiteral("福州")}, {3502, QStringLiteral("厦门")}}},
        {37, QStringLiteral("山东"), {{3701, QStringLiteral("济南")}, {3702, QStringLiteral("青岛")}, {3711, QStringLiteral("日照")}}},
        {41, QStringLiteral("河南"), {{4101, QStringLiteral("郑州")}, {4103, QStringLiteral("洛阳")}}},
        {42, QStringLiteral("湖北"), {{4201, QStringLiteral("武汉")}}},
        {43, QStringLiteral("湖南"), {{4301, QStringLiteral("长沙")}}},
        {44, QStringLiteral("广东"), {{4401, QStringLiteral("广州")}, {4403, QStringLiteral("深圳")}, {4406, QStringLiteral("佛山")}}},
        {50, QStringLiteral("重庆"), {{5001, QStringLiteral("重庆")}}},
        {51, QStringLiteral("四川"), {{5101, QStringLiteral("成都")}}},
        {61, QStringLiteral("陕西"), {{6101, QStringLiteral("西安")}}},
    };
    return list;
}

const QList<DemoCatalog::Category> &DemoCatalog::categories()
{
    auto l = [](std::initializer_list<const char *> items) {
        QStringList out;
        for (const char *s : items)
            out << QString::fromUtf8(s);
        return out;
    };
    static const QList<Category> list{
        {QStringLiteral("建筑钢材"), {
            {QStringLiteral("螺纹钢"), l({"HRB400", "HRB400E", "HRB500E"}), l({"Φ12", "Φ14", "Φ16", "Φ18", "Φ20", "Φ22", "Φ25", "Φ28"}), 3650, true},
            {QStringLiteral("线材"), l({"HPB300", "Q235", "Q195"}), l({"Φ6.5", "Φ8", "Φ10"}), 3800, true},
            {QStringLiteral("盘螺"), l({"HRB400E"}), l({"Φ8", "Φ10", "Φ12"}), 3900, false},
        }},
        {QStringLiteral("板材"), {
            {QStringLiteral("热轧板卷"), l({"Q235B", "Q345B", "SPHC", "SS400"}), l({"2.75*1250*C", "3.0*1500*C", "4.75*1500*C", "5.75*1500*C", "9.75*1500*C"}), 3900, true},
            {QStringLiteral("冷轧板卷"), l({"SPCC", "DC01", "ST12"}), l({"0.5*1000*C", "0.8*1250*C", "1.0*1250*C", "1.5*1250*C"}), 4600, true},
            {QStringLiteral("中厚板"), l({"Q235B", "Q345B", "Q345R"}), l({"8*2200*L", "10*2000*8000", "14*2200*L", "20*2200*L"}), 4100, false},
            {QStringLiteral("镀锌板卷"), l({"DX51D+Z", "SGCC"}), l({"0.5*1000*C", "1.0*1250*C"}), 5200, false},
        }},
        {QStringLiteral("型材"), {
            {QStringLiteral("H型钢"), l({"Q235B", "Q345B"}), l({"200*200", "300*300", "400*200", "588*300"}), 4000, true},
            {QStringLiteral("工字钢"), l({"Q235B"}), l({"16#", "20#", "25#"}), 4050, false},
            {QStringLiteral("角钢"), l({"Q235B"}), l({"50*5", "63*6", "75*8"}), 4000, false},
            {QStringLiteral("槽钢"), l({"Q235B"}), l({"10#", "14#", "20#"}), 4020, false},
        }},
        {QStringLiteral("管材"), {
            {QStringLiteral("焊管"), l({"Q195", "Q235B"}), l({"DN20*2.5", "DN50*3.5", "DN100*4"}), 4300, false},
            {QStringLiteral("无缝管"), l({"20#", "45#", "Q345B"}), l({"57*3.5", "89*4", "159*6", "219*8"}), 5100, true},
            {QStringLiteral("镀锌管"), l({"Q235B"}), l({"DN25*2.75", "DN50*3.5"}), 5000, false},
        }},
        {QStringLiteral("优特钢"), {
            {QStringLiteral("圆钢"), l({"45#", "40Cr", "20CrMnTi"}), l({"Φ20", "Φ50", "Φ100", "Φ150"}), 4400, false},
            {QStringLiteral("轴承钢"), l({"GCr15"}), l({"Φ30", "Φ60"}), 5600, false},
        }},
        {QStringLiteral("不锈钢"), {
            {QStringLiteral("不锈钢板"), l({"304", "316L", "201"}), l({"2.0*1219*2438", "3.0*1500*6000"}), 15800, false},
            {QStringLiteral("不锈钢管"), l({"304", "316L"}), l({"25*1.5", "57*3"}), 17200, false},
        }},
    };
    return list;
}

const QList<DemoCatalog::Mill> &DemoCatalog::mills()
{
    static const QList<Mill> list{
        {QStringLiteral("宝钢"), 31, 0x1f4e8c}, {QStringLiteral("鞍钢"), 21, 0x8c1f1f}, {QStringLiteral("首钢"), 11, 0x1f7a4e},
        {QStringLiteral("沙钢"), 32, 0x6a1f8c}, {QStringLiteral("武钢"), 42, 0x8c6a1f}, {QStringLiteral("马钢"), 34, 0x1f6a8c},
        {QStringLiteral("河钢"), 13, 0x4e4e4e}, {QStringLiteral("本钢"), 21, 0x2f5f2f}, {QStringLiteral("日照钢铁"), 37, 0x5f2f2f},
        {QStringLiteral("太钢"), 14, 0x2f2f5f}, {QStringLiteral("南钢"), 32, 0x7a5a1f}, {QStringLiteral("中天钢铁"), 32, 0x1f5a7a},
    };
    return list;
}

const QStringList &DemoCatalog::companies()
{
    static const QStringList list{
        QStringLiteral("上海钢联物资有限公司"), QStringLiteral("江苏永和钢材贸易有限公司"), QStringLiteral("杭州恒信金属材料有限公司"),
        QStringLiteral("天津荣达钢铁贸易有限公司"), QStringLiteral("广州粤钢物资有限公司"), QStringLiteral("武汉汉钢供应链有限公司"),
        QStringLiteral("唐山华冶钢材销售有限公司"), QStringLiteral("成都蜀钢贸易有限公司"), QStringLiteral("济南鲁信钢铁有限公司"),
        QStringLiteral("沈阳北方金属材料有限公司"), QStringLiteral("宁波港钢物流有限公司"), QStringLiteral("郑州中原钢材市场有限公司"),
        QStringLiteral("无锡锡钢板材有限公司"), QStringLiteral("西安秦钢贸易有限公司"), QStringLiteral("佛山南方不锈钢有限公司"),
    };
    return list;
}

const QStringList &DemoCatalog::people()
{
    static const QStringList list{
        QStringLiteral("陈建国"), QStringLiteral("刘洋"), QStringLiteral("赵磊"), QStringLiteral("孙丽"), QStringLiteral("周杰"),
        QStringLiteral("吴敏"), QStringLiteral("郑凯"), QStringLiteral("冯涛"), QStringLiteral("何静"), QStringLiteral("高鹏"),
        QStringLiteral("林峰"), QStringLiteral("罗勇"), QStringLiteral("梁婷"), QStringLiteral("宋超"), QStringLiteral("谢芳"),
    };
    return list;
}

const QStringList &DemoCatalog::regions()
{
    static const QStringList list{QStringLiteral("华东地区"), QStringLiteral("华北地区"), QStringLiteral("华南地区"),
                                  QStringLiteral("华中地区"), QStringLiteral("东北地区"), QStringLiteral("西南地区"),
                                  QStringLiteral("西北地区")};
    return list;
}
