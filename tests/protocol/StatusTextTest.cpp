#include "protocol/ErrorCodes.h"
#include "protocol/StatusText.h"

#include <gtest/gtest.h>

using namespace nsMoxHttp;

namespace {

TEST(ErrorCodesTest, TextsAreTheServersWording)
{
    EXPECT_EQ(ErrorText(10), "服务器忙");
    EXPECT_EQ(ErrorText(21), "会话已过期，需重新登录");
    EXPECT_EQ(ErrorText(30), "要添加的 URL 已经存在或 URL 正则表达式语法错");
    EXPECT_EQ(ErrorText(72), "要添加的引用链 URL 已经存在或 URL 正则表达式语法错");
    EXPECT_EQ(ErrorText(80), "要添加的引用链 URL 已经存在或 URL 正则表达式语法错误");
    EXPECT_EQ(ErrorText(81), ErrorText(73));
    EXPECT_EQ(ErrorText(110), "自定义劫持域名已经存在");
}

TEST(ErrorCodesTest, ExactlyTheDocumentedNumbersHaveTexts)
{
    const int documented[] = {10, 11, 20, 21, 22, 23, 30, 31, 32, 40, 41, 50, 51,
                              52, 53, 60, 61, 70, 71, 72, 73, 80, 81, 90, 110};
    int withText = 0;
    for (int errorNo = -1; errorNo <= 200; ++errorNo)
        withText += ErrorText(errorNo).empty() ? 0 : 1;
    EXPECT_EQ(withText, static_cast<int>(std::size(documented)));
    for (int errorNo : documented)
        EXPECT_FALSE(ErrorText(errorNo).empty()) << errorNo;
    EXPECT_EQ(ErrorText(99), "");
}

TEST(StatusTextTest, EveryOutcomeHasItsForm)
{
    const std::string phrase = "添加到页面缓存列表";
    EXPECT_EQ(SuccessText(phrase), "添加到页面缓存列表成功。");
    EXPECT_EQ(SuccessTextWithoutFullStop(phrase), "添加到页面缓存列表成功");
    EXPECT_EQ(RefusedText(phrase, 30),
              "添加到页面缓存列表失败，要添加的 URL 已经存在或 URL 正则表达式语法错(错误号:30)。");
    EXPECT_EQ(RefusedText(phrase, 99), "添加到页面缓存列表失败，(错误号:99)。") << "an unknown number keeps its number";
    EXPECT_EQ(RefusedNumberOnlyText(phrase, 21), "添加到页面缓存列表失败，(错误号:21)");
    EXPECT_EQ(NetworkFailureText(phrase), "添加到页面缓存列表失败，网络连接错误。");
    EXPECT_EQ(ServerUnreachableText("10.0.0.5:6780"), "连接10.0.0.5:6780失败，请检查网络连接是否正常或者会话已过期");
    EXPECT_EQ(kMalformedReplyText, "数据格式错误，返回的Json数据格式解析错误!");
}

}  // namespace
