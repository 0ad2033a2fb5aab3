#include "bench/benchnames.h"

namespace BenchNames {

const std::vector<const char *> &englishFirstNames()
{
    static const std::vector<const char *> list = {
        "James", "Mary", "John", "Patricia", "Robert", "Jennifer", "Michael", "Linda", "William",
        "Elizabeth", "David", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah",
        "Charles", "Karen", "Daniel", "Nancy", "Matthew", "Lisa", "Anthony", "Margaret", "Mark",
        "Sandra", "Paul", "Ashley", "Steven", "Emily", "Andrew", "Donna", "Kenneth", "Michelle",
        "George", "Carol", "Brian", "Amanda", "Edward", "Melissa", "Ronald", "Deborah", "Timothy",
        "Rebecca", "Jason", "Laura", "Jeffrey", "Helen", "Ryan", "Anna", "Peter", "Grace", "Oliver",
        "Chloe", "Henry", "Alice", "Samuel", "Sophie"};
    return list;
}

const std::vector<const char *> &englishLastNames()
{
    static const std::vector<const char *> list = {
        "Smith", "Johnson", "Williams", "Brown", "Jones", "Miller", "Davis", "Wilson", "Anderson",
        "Taylor", "Thomas", "Moore", "Martin", "Jackson", "Thompson", "White", "Harris", "Clark",
        "Lewis", "Robinson", "Walker", "Young", "Allen", "King", "Wright", "Scott", "Hill", "Green",
        "Adams", "Baker", "Nelson", "Carter", "Mitchell", "Roberts", "Turner", "Phillips", "Campbell",
        "Parker", "Evans", "Edwards", "Collins", "Stewart", "Morris", "Murphy", "Cook", "Rogers",
        "Morgan", "Cooper", "Peterson", "Reed", "Bailey", "Bell", "Kelly", "Howard", "Ward", "Cox",
        "O'Brien", "O'Neill", "Fletcher", "Hughes"};
    return list;
}

const std::vector<ArabicName> &arabicFirstNames()
{
    static const std::vector<ArabicName> list = {
        {"محمد", "mohamed"},   {"أحمد", "ahmed"},     {"محمود", "mahmoud"}, {"مصطفى", "mostafa"},
        {"علي", "ali"},         {"عمر", "omar"},       {"خالد", "khaled"},   {"يوسف", "youssef"},
        {"إبراهيم", "ibrahim"}, {"حسن", "hassan"},     {"حسين", "hussein"},  {"طارق", "tarek"},
        {"كريم", "karim"},      {"سامي", "sami"},      {"عادل", "adel"},     {"ياسر", "yasser"},
        {"هشام", "hesham"},     {"وليد", "walid"},     {"شريف", "sherif"},   {"عمرو", "amr"},
        {"فاطمة", "fatma"},     {"مريم", "mariam"},    {"نور", "nour"},      {"سارة", "sara"},
        {"هبة", "heba"},        {"منى", "mona"},       {"ريم", "reem"},      {"ياسمين", "yasmin"},
        {"دينا", "dina"},       {"آية", "aya"},        {"سلمى", "salma"},    {"نادية", "nadia"},
        {"ليلى", "laila"},      {"هدى", "hoda"},       {"رانيا", "rania"},   {"أمل", "amal"},
        {"سعاد", "soad"},       {"جمال", "gamal"},     {"أشرف", "ashraf"},   {"نبيل", "nabil"}};
    return list;
}

const std::vector<ArabicName> &arabicLastNames()
{
    static const std::vector<ArabicName> list = {
        {"عبد الله", "abdallah"}, {"السيد", "elsayed"},   {"حسن", "hassan"},     {"إبراهيم", "ibrahim"},
        {"عبد الرحمن", "abdelrahman"}, {"المصري", "elmasry"}, {"الشريف", "elsherif"}, {"سالم", "salem"},
        {"منصور", "mansour"},     {"فهمي", "fahmy"},      {"عثمان", "osman"},     {"رمضان", "ramadan"},
        {"النجار", "elnaggar"},   {"الحداد", "elhaddad"}, {"سليمان", "soliman"},  {"عبد العزيز", "abdelaziz"},
        {"يوسف", "youssef"},      {"زكي", "zaki"},        {"شاهين", "shahin"},    {"البنا", "elbanna"},
        {"القاضي", "elkady"},     {"الخطيب", "elkhatib"}, {"حمدي", "hamdy"},      {"رشاد", "rashad"},
        {"الفقي", "elfeky"},      {"بدوي", "badawy"},     {"عيسى", "eissa"},      {"موسى", "moussa"},
        {"الجمال", "elgamal"},    {"نصار", "nassar"}};
    return list;
}

const std::vector<const char *> &englishCompanySuffixes()
{
    static const std::vector<const char *> list = {
        "Trading", "Supplies", "Group", "& Sons", "Stores", "Market", "Foods", "Wholesale",
        "Co.", "Distribution", "Enterprises", "Import & Export", "Retail", "Brothers", "Mart",
        "Provisions"};
    return list;
}

const std::vector<const char *> &arabicCompanyPatterns()
{
    static const std::vector<const char *> list = {
        "شركة %1 للتجارة", "مؤسسة %1", "%1 وشركاه", "محلات %1", "أسواق %1", "شركة %1 للتوزيع",
        "مجموعة %1", "%1 للاستيراد والتصدير"};
    return list;
}

const std::vector<const char *> &streets()
{
    static const std::vector<const char *> list = {
        "Nile Street", "Tahrir Square", "Corniche Road", "Main Street", "King Faisal Street",
        "Harbour Road", "Station Road", "Market Street", "Park Avenue", "Victoria Street",
        "Garden City Road", "Industrial Zone", "Airport Road", "Ring Road", "Palm Street",
        "Sheikh Zayed Road", "Olaya Street", "Salah Salem Street", "Port Said Street", "Mill Lane"};
    return list;
}

const std::vector<const char *> &arabicStreets()
{
    static const std::vector<const char *> list = {
        "شارع النيل", "ميدان التحرير", "طريق الكورنيش", "شارع الملك فيصل", "شارع صلاح سالم",
        "شارع بورسعيد", "المنطقة الصناعية", "شارع الهرم", "شارع الجمهورية", "شارع عباس العقاد"};
    return list;
}

const std::vector<City> &cities()
{
    static const std::vector<City> list = {
        {"Cairo", "Cairo", "Egypt", "+20 2"},           {"Giza", "Giza", "Egypt", "+20 2"},
        {"Alexandria", "Alexandria", "Egypt", "+20 3"}, {"Mansoura", "Dakahlia", "Egypt", "+20 50"},
        {"Tanta", "Gharbia", "Egypt", "+20 40"},        {"Aswan", "Aswan", "Egypt", "+20 97"},
        {"Port Said", "Port Said", "Egypt", "+20 66"},  {"Assiut", "Assiut", "Egypt", "+20 88"},
        {"القاهرة", "القاهرة", "مصر", "+20 2"},          {"الإسكندرية", "الإسكندرية", "مصر", "+20 3"},
        {"Dubai", "Dubai", "United Arab Emirates", "+971 4"},
        {"Abu Dhabi", "Abu Dhabi", "United Arab Emirates", "+971 2"},
        {"Riyadh", "Riyadh", "Saudi Arabia", "+966 11"}, {"Jeddah", "Makkah", "Saudi Arabia", "+966 12"},
        {"Amman", "Amman", "Jordan", "+962 6"},          {"Kuwait City", "Al Asimah", "Kuwait", "+965"},
        {"London", "Greater London", "United Kingdom", "+44 20"},
        {"Manchester", "Greater Manchester", "United Kingdom", "+44 161"},
        {"New York", "New York", "United States", "+1 212"}, {"Chicago", "Illinois", "United States", "+1 312"}};
    return list;
}

const std::vector<const char *> &brands()
{
    static const std::vector<const char *> list = {
        "Nile", "Delta", "Pharaoh", "Sahara", "Oasis", "Golden", "Royal", "Premier", "Sunrise",
        "Crystal", "Falcon", "Lotus", "Horizon", "Atlas", "Cedar", "Jasmine", "Meadow", "Harvest",
        "Silver", "Orchid", "Summit", "Blue Bay", "Green Valley", "Red Sea", "Sinai"};
    return list;
}

const std::vector<const char *> &arabicBrands()
{
    static const std::vector<const char *> list = {
        "النيل", "الدلتا", "الفرعون", "الواحة", "الذهبي", "الملكي", "الصقر", "اللوتس", "الأرز",
        "الياسمين"};
    return list;
}

const std::vector<Category> &categories()
{
    // uom ids of the seed rows: 1 Each, 2 Case, 3 Pallet, 4 Pound, 5 Gallon, 6 Kilogram,
    // 7 Book, 8 Pack.
    static const std::vector<Category> list = {
        {"Beverages", 1, 8, 2, 6, 12, 4, 120, 365, 0, 50, 1500, false},
        {"Dairy", 1, 2, 0, 12, 24, 0, 5, 30, 0, 150, 4000, false},
        {"Bakery", 1, 2, 0, 10, 20, 0, 3, 10, 0, 50, 1500, false},
        {"Grains & Pasta", 6, 2, 3, 10, 25, 40, 365, 730, 0, 200, 6000, false},
        {"Canned Food", 1, 2, 3, 12, 48, 60, 540, 1095, 0, 100, 3500, false},
        {"Oils & Fats", 1, 2, 0, 6, 12, 0, 270, 540, 0, 800, 25000, false},
        {"Cleaning", 1, 2, 3, 6, 24, 50, 0, 0, 0, 300, 9000, false},
        {"Personal Care", 1, 8, 2, 3, 12, 6, 0, 0, 0, 200, 8000, false},
        {"Stationery", 7, 2, 0, 10, 50, 0, 0, 0, 0, 100, 5000, false},
        {"Electronics", 1, 2, 0, 5, 20, 0, 0, 0, 365, 1500, 150000, false},
        {"Hardware", 4, 2, 3, 10, 50, 30, 0, 0, 90, 300, 20000, false},
        {"Frozen Food", 6, 2, 0, 10, 20, 0, 90, 180, 0, 1500, 30000, false},
        {"Services", 1, 8, 0, 5, 10, 0, 0, 0, 0, 2000, 50000, true}};
    return list;
}

const std::vector<Product> &products()
{
    static const std::vector<Product> list = {
        {0, "Mineral Water 1.5L", "مياه معدنية"}, {0, "Orange Juice 1L", "عصير برتقال"},
        {0, "Cola 330ml", nullptr}, {0, "Green Tea 100 Bags", "شاي أخضر"},
        {0, "Ground Coffee 250g", "بن مطحون"}, {0, "Mango Juice 1L", "عصير مانجو"},
        {0, "Black Tea 250g", "شاي أسود"}, {1, "Fresh Milk 1L", "لبن طازج"},
        {1, "Yogurt 170g", "زبادي"}, {1, "White Cheese 500g", "جبنة بيضاء"},
        {1, "Butter 200g", "زبدة"}, {1, "Cooking Cream 250ml", "قشطة"},
        {1, "Cheddar Slices", "جبنة شيدر"}, {2, "Toast Bread", "خبز توست"},
        {2, "Croissant", "كرواسون"}, {2, "Pita Bread Pack", "عيش شامي"},
        {2, "Rusk 400g", "بقسماط"}, {3, "Basmati Rice 5kg", "أرز بسمتي"},
        {3, "Egyptian Rice 1kg", "أرز مصري"}, {3, "Spaghetti 400g", "مكرونة اسباجيتي"},
        {3, "Red Lentils 1kg", "عدس أحمر"}, {3, "White Flour 1kg", "دقيق أبيض"},
        {3, "Sugar 1kg", "سكر"}, {4, "Tuna Chunks 185g", "تونة"},
        {4, "Fava Beans 400g", "فول مدمس"}, {4, "Tomato Paste 360g", "صلصة طماطم"},
        {4, "Sweet Corn 340g", "ذرة حلوة"}, {4, "Chickpeas 400g", "حمص"},
        {5, "Sunflower Oil 1.8L", "زيت عباد الشمس"}, {5, "Olive Oil 500ml", "زيت زيتون"},
        {5, "Ghee 800g", "سمن"}, {5, "Corn Oil 1.5L", "زيت ذرة"},
        {6, "Dish Soap 750ml", "صابون أطباق"}, {6, "Laundry Detergent 3kg", "مسحوق غسيل"},
        {6, "Bleach 1L", "كلور"}, {6, "Glass Cleaner 500ml", "منظف زجاج"},
        {6, "Floor Cleaner 1L", "منظف أرضيات"}, {7, "Shampoo 400ml", "شامبو"},
        {7, "Toothpaste 100ml", "معجون أسنان"}, {7, "Soap Bar 125g", "صابون"},
        {7, "Hand Cream 75ml", "كريم أيدي"}, {7, "Shaving Foam 200ml", nullptr},
        {8, "A4 Copy Paper", nullptr}, {8, "Ballpoint Pen Blue", "قلم جاف أزرق"},
        {8, "Spiral Notebook", "كشكول"}, {8, "Stapler", "دباسة"},
        {8, "Whiteboard Marker", nullptr}, {9, "LED Bulb 12W", "لمبة ليد"},
        {9, "AA Batteries 4 Pack", "بطاريات"}, {9, "Extension Cord 3m", "وصلة كهرباء"},
        {9, "USB Cable 1m", nullptr}, {9, "Headphones", "سماعات"},
        {9, "Electric Kettle", "غلاية كهربائية"}, {10, "Wood Screws", "مسامير خشب"},
        {10, "Tile Grout", "مونة ترويب"}, {10, "Steel Nails", "مسامير"},
        {10, "Masking Tape", nullptr}, {11, "Frozen Chicken", "فراخ مجمدة"},
        {11, "Minced Beef", "لحم مفروم"}, {11, "Frozen Peas 400g", "بسلة مجمدة"},
        {11, "Fish Fillet", "فيليه سمك"}, {12, "Home Delivery", "توصيل للمنازل"},
        {12, "Installation Service", "خدمة تركيب"}, {12, "Maintenance Visit", "زيارة صيانة"},
        {12, "Gift Wrapping", "تغليف هدايا"}};
    return list;
}

const std::vector<const char *> &departments()
{
    static const std::vector<const char *> list = {
        "Sales", "Purchasing", "Accounting", "Warehouse", "Administration", "Marketing",
        "Information Technology", "Customer Service"};
    return list;
}

const std::vector<const char *> &jobTitles()
{
    static const std::vector<const char *> list = {
        "Sales Representative", "Purchasing Officer", "Accountant", "Storekeeper", "Secretary",
        "Marketing Specialist", "IT Support", "Customer Service Agent"};
    return list;
}

const std::vector<const char *> &documentComments()
{
    static const std::vector<const char *> list = {
        "Deliver before noon", "Call the customer on arrival", "Urgent", "Partial delivery accepted",
        "Pick up from the store", "Regular monthly order", "يرجى التسليم صباحاً", "Handle with care",
        "Price as agreed by phone", "Second floor, no lift"};
    return list;
}

const std::vector<const char *> &refundReasons()
{
    static const std::vector<const char *> list = {
        "Damaged in transport", "Wrong item delivered", "Customer changed mind", "Expired goods",
        "Defective unit", "Over-delivery", "بضاعة تالفة", "Quality complaint"};
    return list;
}

const std::vector<const char *> &paymentComments()
{
    static const std::vector<const char *> list = {
        "Settlement of invoice", "Partial payment", "Paid at the counter", "Bank transfer",
        "Cheque collected", "دفعة تحت الحساب", "Final payment"};
    return list;
}

const std::vector<JournalTemplate> &journalTemplates()
{
    static const std::vector<JournalTemplate> list = {
        {"Monthly salaries", "50700", "10100"},
        {"Office supplies bought in cash", "50400", "10700"},
        {"Travel expenses", "50500", "10700"},
        {"Cash deposited at the bank", "10100", "10700"},
        {"Loan instalment", "20700", "10100"},
        {"Sales tax paid", "20400", "10100"},
        {"Income tax paid", "20500", "10100"},
        {"Purchase of fixed assets", "10500", "10100"},
        {"Capital paid in by the owners", "10100", "30100"},
        {"Service revenue received", "10100", "40200"},
        {"Shipping charges collected", "10700", "40300"},
        {"Warranty repairs", "50300", "10700"},
        {"Stock count adjustment", "50600", "10300"},
        {"Credit card settlement", "10100", "10800"},
        {"Accrued wages", "50700", "20300"},
        {"Deferred revenue recognised", "20200", "40200"},
        {"Customer advance received", "10100", "20600"},
        {"Discount received from a supplier", "20100", "40500"},
        {"رواتب الشهر", "50700", "10100"},
        {"مصروفات انتقالات", "50500", "10700"}};
    return list;
}

} // namespace BenchNames
