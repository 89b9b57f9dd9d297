<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MoxText</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>会话已超时，请重新登录服务器。</source>
        <translation>The session has expired. Please log in to the server again.</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>您确定要退出 %1吗？</source>
        <translation>Are you sure you want to exit %1?</translation>
    </message>
    <message>
        <source>此页将显示：%1</source>
        <translation>This page shows: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>导航</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>正在删除第 %1 条，共 %2 条，请稍候....</source>
        <translation>Deleting item %1 of %2, please wait....</translation>
    </message>
    <message>
        <source>您确定要停止删除吗？已删除的规则不会恢复。</source>
        <translation>Are you sure you want to stop deleting? Rules already deleted are not restored.</translation>
    </message>
    <message>
        <source>正在刷新列表，请稍候....</source>
        <translation>Refreshing the list, please wait....</translation>
    </message>
    <message>
        <source>停止删除</source>
        <translation>Stop deleting</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>帮助页面在浏览器中打开。</source>
        <translation>The help page opens in the browser.</translation>
    </message>
    <message>
        <source>打开帮助</source>
        <translation>Open help</translation>
    </message>
    <message>
        <source>查看帮助</source>
        <translation>View help</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>您确定要删除此白名单吗？</source>
        <translation>Are you sure you want to delete this white-list entry?</translation>
    </message>
    <message>
        <source>您确定要删除选择的黑名单吗？</source>
        <translation>Are you sure you want to delete the selected black-list entries?</translation>
    </message>
    <message>
        <source>正在删除选中的黑名单列表，请稍候 .......</source>
        <translation>Deleting the selected black-list entries, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止删除黑名单列表吗？</source>
        <translation>Are you sure you want to stop deleting black-list entries?</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>IP低地址</source>
        <translation>Low IP address</translation>
    </message>
    <message>
        <source>IP高地址</source>
        <translation>High IP address</translation>
    </message>
    <message>
        <source>有效期</source>
        <translation>Expiry</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>白名单列表</source>
        <translation>White list</translation>
    </message>
    <message>
        <source>黑名单列表</source>
        <translation>Black list</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加黑名单配置</source>
        <translation>Add a black-list entry</translation>
    </message>
    <message>
        <source>修改选中的黑名单信息</source>
        <translation>Modify the selected black-list entry</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除黑名单列表</source>
        <translation>Hold Ctrl or Shift to select several black-list entries to delete</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>刷新黑名单列表</source>
        <translation>Refresh the black list</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>导入黑名单列表</source>
        <translation>Import a black list</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>导出黑名单列表</source>
        <translation>Export the black list</translation>
    </message>
    <message>
        <source>正在导入黑名单列表，请稍候 .......</source>
        <translation>Importing the black list, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止导入黑名单列表吗？</source>
        <translation>Are you sure you want to stop importing the black list?</translation>
    </message>
    <message>
        <source>停止导入</source>
        <translation>Stop importing</translation>
    </message>
    <message>
        <source>访问地址URL</source>
        <translation>Source URL</translation>
    </message>
    <message>
        <source>转向地址URL</source>
        <translation>Target URL</translation>
    </message>
    <message>
        <source>大小写</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>转向逻辑</source>
        <translation>Rewrite logic</translation>
    </message>
    <message>
        <source>备注说明</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除转向规则列表</source>
        <translation>Hold Ctrl or Shift to select several rewrite rules to delete</translation>
    </message>
    <message>
        <source>修改选中的转向规则</source>
        <translation>Modify the selected rewrite rule</translation>
    </message>
    <message>
        <source>刷新转向规则列表</source>
        <translation>Refresh the rewrite rules</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>向上移动转向规则</source>
        <translation>Move the rewrite rule up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>向下移动转向规则</source>
        <translation>Move the rewrite rule down</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加转向规则</source>
        <translation>Add a rewrite rule</translation>
    </message>
    <message>
        <source>导入规则</source>
        <translation>Import rules</translation>
    </message>
    <message>
        <source>导出规则</source>
        <translation>Export rules</translation>
    </message>
    <message>
        <source>您确定要删除选择的转向配置信息吗？</source>
        <translation>Are you sure you want to delete the selected rewrite rules?</translation>
    </message>
    <message>
        <source>删除转向规则</source>
        <translation>Delete rewrite rules</translation>
    </message>
    <message>
        <source>正在删除选中的转向列表，请稍候 .......</source>
        <translation>Deleting the selected rewrite rules, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止删除转向列表吗？</source>
        <translation>Are you sure you want to stop deleting rewrite rules?</translation>
    </message>
    <message>
        <source>转向管理</source>
        <translation>Rewrites</translation>
    </message>
    <message>
        <source>转向规则列表</source>
        <translation>Rewrite rules</translation>
    </message>
    <message>
        <source>增加转向配置</source>
        <translation>Add a rewrite rule</translation>
    </message>
    <message>
        <source>修改转向配置</source>
        <translation>Modify a rewrite rule</translation>
    </message>
    <message>
        <source>转向配置</source>
        <translation>Rewrite rule</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>不忽略</source>
        <translation>Do not ignore</translation>
    </message>
    <message>
        <source>访问地址URL：</source>
        <translation>Source URL:</translation>
    </message>
    <message>
        <source>转向地址URL：</source>
        <translation>Target URL:</translation>
    </message>
    <message>
        <source>转向逻辑：</source>
        <translation>Rewrite logic:</translation>
    </message>
    <message>
        <source>忽略大小写：</source>
        <translation>Ignore case:</translation>
    </message>
    <message>
        <source>备注说明：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>白名单</source>
        <translation>White list</translation>
    </message>
    <message>
        <source>黑名单</source>
        <translation>Black list</translation>
    </message>
    <message>
        <source>结束地址</source>
        <translation>End address</translation>
    </message>
    <message>
        <source>IP地址段：</source>
        <translation>IP range:</translation>
    </message>
    <message>
        <source>有效期：</source>
        <translation>Expiry:</translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>白名单管理</source>
        <translation>White list</translation>
    </message>
    <message>
        <source>启用白名单功能（默认不开启）</source>
        <translation>Turn on the white list (off by default)</translation>
    </message>
    <message>
        <source>1、启用白名单功能后，将只允许白名单用户访问缓存服务器，否则将返回 403 Forbidden - By WhiteList 提示。</source>
        <translation>1. With the white list on, only white-listed users may use the cache server; others get &quot;403 Forbidden - By WhiteList&quot;.</translation>
    </message>
    <message>
        <source>2、当缓存部署在公网环境时，为避免被攻击，常用于限定访问范围。</source>
        <translation>2. Often used to limit access when the cache faces the public Internet, to avoid attacks.</translation>
    </message>
    <message>
        <source>黑名单管理</source>
        <translation>Black list</translation>
    </message>
    <message>
        <source>黑名单说明：</source>
        <translation>About the black list:</translation>
    </message>
    <message>
        <source>1、禁止黑名单用户访问缓存服务器，并返回 403 Forbidden - By BlackList 提示。</source>
        <translation>1. Black-listed users may not use the cache server; they get &quot;403 Forbidden - By BlackList&quot;.</translation>
    </message>
    <message>
        <source>2、黑名单比白名单优先级高。</source>
        <translation>2. The black list takes precedence over the white list.</translation>
    </message>
    <message>
        <source>2、按 Ctrl 或者 Shift 键多选可以批量删除黑名单列表。</source>
        <translation>2. Hold Ctrl or Shift to select several black-list entries to delete.</translation>
    </message>
    <message>
        <source>您确定要开启白名单功能吗？</source>
        <translation>Are you sure you want to turn on the white list?</translation>
    </message>
    <message>
        <source>您确定要关闭白名单功能吗？</source>
        <translation>Are you sure you want to turn off the white list?</translation>
    </message>
    <message>
        <source>增加会话缓存</source>
        <translation>Add a session cache rule</translation>
    </message>
    <message>
        <source>修改会话缓存</source>
        <translation>Modify a session cache rule</translation>
    </message>
    <message>
        <source>会话缓存</source>
        <translation>Session cache</translation>
    </message>
    <message>
        <source>忽略大小写 </source>
        <translation>Ignore case </translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>登录验证地址URL：</source>
        <translation>Login check URL:</translation>
    </message>
    <message>
        <source>匹配规则：</source>
        <translation>Match rule:</translation>
    </message>
    <message>
        <source>会话ID变量名：</source>
        <translation>Session ID variable:</translation>
    </message>
    <message>
        <source>超时周期：</source>
        <translation>Timeout:</translation>
    </message>
    <message>
        <source>增加页面缓存</source>
        <translation>Add a page cache rule</translation>
    </message>
    <message>
        <source>修改页面缓存</source>
        <translation>Modify a page cache rule</translation>
    </message>
    <message>
        <source>页面缓存</source>
        <translation>Page cache</translation>
    </message>
    <message>
        <source>忽略大小写</source>
        <translation>Ignore case</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>Allow</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>Do not allow</translation>
    </message>
    <message>
        <source>缓存周期单位</source>
        <translation>Cache period unit</translation>
    </message>
    <message>
        <source>缓存 URL：</source>
        <translation>Cache URL:</translation>
    </message>
    <message>
        <source>缓存周期：</source>
        <translation>Cache period:</translation>
    </message>
    <message>
        <source>缓存开放权限：</source>
        <translation>Cache access:</translation>
    </message>
    <message>
        <source>忽略Set-Cookie：</source>
        <translation>Ignore Set-Cookie:</translation>
    </message>
    <message>
        <source>允许硬盘缓存：</source>
        <translation>Allow disk cache:</translation>
    </message>
    <message>
        <source>增加拒绝缓存</source>
        <translation>Add a refuse-cache rule</translation>
    </message>
    <message>
        <source>修改拒绝缓存</source>
        <translation>Modify a refuse-cache rule</translation>
    </message>
    <message>
        <source>拒绝缓存</source>
        <translation>Refuse cache</translation>
    </message>
    <message>
        <source>拒绝双缓存</source>
        <translation>Refuse both caches</translation>
    </message>
    <message>
        <source>只拒绝硬盘缓存</source>
        <translation>Refuse disk cache only</translation>
    </message>
    <message>
        <source>拒绝缓存 URL：</source>
        <translation>Refuse-cache URL:</translation>
    </message>
    <message>
        <source>拒绝缓存位置：</source>
        <translation>Refused cache:</translation>
    </message>
    <message>
        <source>备       注：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>清理缓存</source>
        <translation>Clean cache</translation>
    </message>
    <message>
        <source>按下列条件清理已缓存的页面：</source>
        <translation>Clean cached pages matching:</translation>
    </message>
    <message>
        <source>按以上条件清除已缓存页面</source>
        <translation>Clean cached pages matching the above</translation>
    </message>
    <message>
        <source>您确定要清理所列条件匹配到的已缓存的页面吗？</source>
        <translation>Are you sure you want to clean the cached pages matching these conditions?</translation>
    </message>
    <message>
        <source>同步操作集群内全部服务器</source>
        <translation>Apply to every server of the cluster</translation>
    </message>
    <message>
        <source>按下列URL地址清理缓存页面：</source>
        <translation>Clean cached pages by URL:</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>选择目录</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>文件：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Start export</translation>
    </message>
    <message>
        <source>开始导入</source>
        <translation>Start import</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请选择缓存规则导出目录</source>
        <translation>Choose the folder to export the cache rules to</translation>
    </message>
    <message>
        <source>请选择缓存规则导入文件</source>
        <translation>Choose the file to import the cache rules from</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export finished</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Import finished</translation>
    </message>
    <message>
        <source>页面缓存帮助已在浏览器中打开。</source>
        <translation>The page cache help has opened in the browser.</translation>
    </message>
    <message>
        <source>再次打开帮助</source>
        <translation>Open help again</translation>
    </message>
    <message>
        <source>页面缓存列表</source>
        <translation>Page cache rules</translation>
    </message>
    <message>
        <source>拒绝缓存列表</source>
        <translation>Refuse-cache rules</translation>
    </message>
    <message>
        <source>会话缓存列表</source>
        <translation>Session cache rules</translation>
    </message>
    <message>
        <source>清理已缓存的页面</source>
        <translation>Clean cached pages</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>页面缓存帮助</source>
        <translation>Page cache help</translation>
    </message>
    <message>
        <source>缓存地址</source>
        <translation>Cache URL</translation>
    </message>
    <message>
        <source>匹配规则</source>
        <translation>Match rule</translation>
    </message>
    <message>
        <source>超时周期</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>开放权限</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>硬盘缓存</source>
        <translation>Disk cache</translation>
    </message>
    <message>
        <source>添加页面缓存规则</source>
        <translation>Add a page cache rule</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除页面缓存规则</source>
        <translation>Hold Ctrl or Shift to select several page cache rules to delete</translation>
    </message>
    <message>
        <source>刷新页面缓存规则列表</source>
        <translation>Refresh the page cache rules</translation>
    </message>
    <message>
        <source>向上移动页面缓存规则</source>
        <translation>Move the page cache rule up</translation>
    </message>
    <message>
        <source>向下移动页面缓存规则</source>
        <translation>Move the page cache rule down</translation>
    </message>
    <message>
        <source>修改选中的页面缓存规则</source>
        <translation>Modify the selected page cache rule</translation>
    </message>
    <message>
        <source>访问监控</source>
        <translation>Watch requests</translation>
    </message>
    <message>
        <source>实时监控此规则的访问请求</source>
        <translation>Watch this rule&apos;s requests live</translation>
    </message>
    <message>
        <source>您确定要删除选择的页面缓存规则吗？</source>
        <translation>Are you sure you want to delete the selected page cache rules?</translation>
    </message>
    <message>
        <source>删除页面缓存规则</source>
        <translation>Delete page cache rules</translation>
    </message>
    <message>
        <source>登录验证地址URL</source>
        <translation>Login check URL</translation>
    </message>
    <message>
        <source>会话ID变量名</source>
        <translation>Session ID variable</translation>
    </message>
    <message>
        <source>缓存周期</source>
        <translation>Cache period</translation>
    </message>
    <message>
        <source>添加会话缓存规则</source>
        <translation>Add a session cache rule</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除会话缓存规则</source>
        <translation>Hold Ctrl or Shift to select several session cache rules to delete</translation>
    </message>
    <message>
        <source>刷新会话缓存规则列表</source>
        <translation>Refresh the session cache rules</translation>
    </message>
    <message>
        <source>向上移动会话缓存规则</source>
        <translation>Move the session cache rule up</translation>
    </message>
    <message>
        <source>向下移动会话缓存规则</source>
        <translation>Move the session cache rule down</translation>
    </message>
    <message>
        <source>修改选中的会话缓存规则</source>
        <translation>Modify the selected session cache rule</translation>
    </message>
    <message>
        <source>您确定要删除选择的回话缓存规则吗？</source>
        <translation>Are you sure you want to delete the selected session cache rules?</translation>
    </message>
    <message>
        <source>删除会话缓存规则</source>
        <translation>Delete session cache rules</translation>
    </message>
    <message>
        <source>拒绝缓存地址URL</source>
        <translation>Refuse-cache URL</translation>
    </message>
    <message>
        <source>拒绝开放权限</source>
        <translation>Refused access</translation>
    </message>
    <message>
        <source>拒绝缓存位置</source>
        <translation>Refused cache</translation>
    </message>
    <message>
        <source>添加拒绝缓存规则</source>
        <translation>Add a refuse-cache rule</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除拒绝缓存规则</source>
        <translation>Hold Ctrl or Shift to select several refuse-cache rules to delete</translation>
    </message>
    <message>
        <source>刷新拒绝缓存规则列表</source>
        <translation>Refresh the refuse-cache rules</translation>
    </message>
    <message>
        <source>向上移动拒绝缓存规则</source>
        <translation>Move the refuse-cache rule up</translation>
    </message>
    <message>
        <source>向下移动拒绝缓存规则</source>
        <translation>Move the refuse-cache rule down</translation>
    </message>
    <message>
        <source>修改选中的拒绝缓存规则</source>
        <translation>Modify the selected refuse-cache rule</translation>
    </message>
    <message>
        <source>您确定要删除选择的拒绝缓存规则吗？</source>
        <translation>Are you sure you want to delete the selected refuse-cache rules?</translation>
    </message>
    <message>
        <source>删除拒绝缓存规则</source>
        <translation>Delete refuse-cache rules</translation>
    </message>
    <message>
        <source>修改集群配置</source>
        <translation>Change cluster settings</translation>
    </message>
    <message>
        <source>不加入集群</source>
        <translation>Not in a cluster</translation>
    </message>
    <message>
        <source>集群主服务器(Master Server)</source>
        <translation>Cluster master (Master Server)</translation>
    </message>
    <message>
        <source>集群从服务器(Slave Server)</source>
        <translation>Cluster slave (Slave Server)</translation>
    </message>
    <message>
        <source>显示或重设本服务器集群角色：</source>
        <translation>Show or reset this server&apos;s cluster role:</translation>
    </message>
    <message>
        <source>修改当前集群配置</source>
        <translation>Change the cluster settings</translation>
    </message>
    <message>
        <source>[系统随机生成序列号]</source>
        <translation>[serial generated by the system]</translation>
    </message>
    <message>
        <source>集群内从服务器名称</source>
        <translation>Slave name</translation>
    </message>
    <message>
        <source>服务器IP</source>
        <translation>Server IP</translation>
    </message>
    <message>
        <source>登录时间</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>当前状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>刷新集群状态</source>
        <translation>Refresh cluster status</translation>
    </message>
    <message>
        <source>设定本服务器为 Morvix 集群主服务器（Master Server）：</source>
        <translation>Make this server the Morvix cluster master (Master Server):</translation>
    </message>
    <message>
        <source>默认：7780，范围：[1 - 65534] </source>
        <translation>Default: 7780, range: [1 - 65534] </translation>
    </message>
    <message>
        <source>本服务器集群状态：</source>
        <translation>This server&apos;s cluster status:</translation>
    </message>
    <message>
        <source>设定本服务器为 Morvix 集群从服务器（Slave Server）：</source>
        <translation>Make this server a Morvix cluster slave (Slave Server):</translation>
    </message>
    <message>
        <source>说明：与集群主服务器此配置保持一致。</source>
        <translation>Must match the master&apos;s setting.</translation>
    </message>
    <message>
        <source>说明：此名称一定要区别于其它从服务器。</source>
        <translation>Must differ from every other slave&apos;s name.</translation>
    </message>
    <message>
        <source>集群</source>
        <translation>Cluster</translation>
    </message>
    <message>
        <source>请输入集群主服务器的服务端口,默认：7780，范围：[1 - 65534]</source>
        <translation>Enter the master&apos;s service port, default: 7780, range: [1 - 65534]</translation>
    </message>
    <message>
        <source>请输入集群主服务器验证序列号。</source>
        <translation>Enter the master&apos;s check serial.</translation>
    </message>
    <message>
        <source>请输入集群主服务器的IP和端口,例如：192.168.1.10:7780</source>
        <translation>Enter the master&apos;s IP and port, e.g. 192.168.1.10:7780</translation>
    </message>
    <message>
        <source>请输入本服务器名称。</source>
        <translation>Enter this server&apos;s name.</translation>
    </message>
    <message>
        <source>硬盘缓存配置</source>
        <translation>Disk cache settings</translation>
    </message>
    <message>
        <source>硬盘缓存目录</source>
        <translation>Disk cache folders</translation>
    </message>
    <message>
        <source>开启硬盘缓存（开启前请配置硬盘缓存目录）：</source>
        <translation>Turn on the disk cache (set its folders first):</translation>
    </message>
    <message>
        <source>开启硬盘缓存</source>
        <translation>Turn on disk cache</translation>
    </message>
    <message>
        <source>你确定要开启硬盘缓存功能吗？</source>
        <translation>Are you sure you want to turn on the disk cache?</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>你确定要暂停硬盘缓存功能吗？</source>
        <translation>Are you sure you want to pause the disk cache?</translation>
    </message>
    <message>
        <source>缓存目录 %1</source>
        <translation>Cache folder %1</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;note&quot;&gt;备注&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;note&quot;&gt;Note&lt;/a&gt;</translation>
    </message>
    <message>
        <source>备注 %1</source>
        <translation>Note %1</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>你确定要暂停此缓存区目录的使用吗？</source>
        <translation>Are you sure you want to pause this cache folder?</translation>
    </message>
    <message>
        <source>你确定要取消此缓存区目录吗？</source>
        <translation>Are you sure you want to remove this cache folder?</translation>
    </message>
    <message>
        <source>你确定要启用此缓存区目录吗？</source>
        <translation>Are you sure you want to enable this cache folder?</translation>
    </message>
    <message>
        <source>MB，可设置范围：[32 - 最大剩余内存]，重启后生效！</source>
        <translation>MB, range: [32 - largest free memory], takes effect after a restart!</translation>
    </message>
    <message>
        <source>MB，可设置范围：[32 - 1500]，重启后生效！</source>
        <translation>MB, range: [32 - 1500], takes effect after a restart!</translation>
    </message>
    <message>
        <source>保存所有配置</source>
        <translation>Save all settings</translation>
    </message>
    <message>
        <source>是否开启缓存加速功能</source>
        <translation>Turn on cache acceleration</translation>
    </message>
    <message>
        <source>立刻开启硬盘缓存（开启前需配置好缓存目录）：</source>
        <translation>Turn on the disk cache now (set its folders first):</translation>
    </message>
    <message>
        <source>提示：平均情况下，1G 缓存索引可加速访问 2T 硬盘缓存。</source>
        <translation>Tip: on average, 1 GB of cache index serves 2 TB of disk cache.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot;&gt;&amp;lt;系统帮助&amp;gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot;&gt;&amp;lt;System help&amp;gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>系统帮助</source>
        <translation>System help</translation>
    </message>
    <message>
        <source>注：此项配置比较关键，设定前请参考</source>
        <translation>Note: this setting matters; before setting it, see</translation>
    </message>
    <message>
        <source>提示：当前系统物理内存为：%1 MB，最大推荐配置为：%2 MB，更大内存支持请选择 64 位版本。</source>
        <translation>Tip: the system has %1 MB of physical memory; the largest recommended setting is %2 MB. For more memory choose the 64-bit version.</translation>
    </message>
    <message>
        <source>提示：当前系统物理内存为：%1 MB，最大推荐配置为：%2 MB。</source>
        <translation>Tip: the system has %1 MB of physical memory; the largest recommended setting is %2 MB.</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>已宕机</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>负载均衡：</source>
        <translation>Load balancing:</translation>
    </message>
    <message>
        <source>集群主机 IP</source>
        <translation>Cluster host IP</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>解析量</source>
        <translation>Lookups</translation>
    </message>
    <message>
        <source>宕机时间</source>
        <translation>Down since</translation>
    </message>
    <message>
        <source>集群主机列表</source>
        <translation>Cluster hosts</translation>
    </message>
    <message>
        <source>您确定要将负载均衡模式修改为“%1”吗？</source>
        <translation>Are you sure you want to change the load-balancing mode to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>宕机时将显示 Morvix 宕机时间</source>
        <translation>Shows when Morvix went down</translation>
    </message>
    <message>
        <source>集群主机已暂停</source>
        <translation>Cluster host paused</translation>
    </message>
    <message>
        <source>您确定要删除此负载主机吗？</source>
        <translation>Are you sure you want to delete this load-balanced host?</translation>
    </message>
    <message>
        <source>启用（默认）</source>
        <translation>Enabled (default)</translation>
    </message>
    <message>
        <source>集群主机 IP：</source>
        <translation>Cluster host IP:</translation>
    </message>
    <message>
        <source>启用状态：</source>
        <translation>Enabled:</translation>
    </message>
    <message>
        <source>宕机检测：</source>
        <translation>Down check:</translation>
    </message>
    <message>
        <source>DNS缓存列表</source>
        <translation>DNS cache list</translation>
    </message>
    <message>
        <source>上游 DNS 地址%1：</source>
        <translation>Upstream DNS %1:</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>限定最大 DNS 缓存数量：</source>
        <translation>Most DNS cache entries:</translation>
    </message>
    <message>
        <source>个，默认：50000，范围：[1 - 200000]</source>
        <translation>entries, default: 50000, range: [1 - 200000]</translation>
    </message>
    <message>
        <source>限定 DNS 最小缓存时间：</source>
        <translation>Shortest DNS cache time:</translation>
    </message>
    <message>
        <source>秒，默认：300，范围：[60 - 1800]</source>
        <translation>s, default: 300, range: [60 - 1800]</translation>
    </message>
    <message>
        <source>修改上游 DNS 列表时同步刷新一次 DNS 缓存列表</source>
        <translation>Flush the DNS cache when the upstream DNS list changes</translation>
    </message>
    <message>
        <source>开启 DNS 缓存服务</source>
        <translation>Turn on the DNS cache service</translation>
    </message>
    <message>
        <source>当前 DNS 缓存数量：0 个。</source>
        <translation>DNS cache entries now: 0.</translation>
    </message>
    <message>
        <source>&lt;有效缓存&gt;</source>
        <translation>&lt;Valid entries&gt;</translation>
    </message>
    <message>
        <source>&lt;清理缓存&gt;</source>
        <translation>&lt;Clean cache&gt;</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Turn on</translation>
    </message>
    <message>
        <source>你确定要开启 DNS 缓存功能吗？</source>
        <translation>Are you sure you want to turn on the DNS cache?</translation>
    </message>
    <message>
        <source>你确定要关闭 DNS 缓存功能吗？</source>
        <translation>Are you sure you want to turn off the DNS cache?</translation>
    </message>
    <message>
        <source>你确定要清理所有已缓存的 DNS 吗？</source>
        <translation>Are you sure you want to clean every cached DNS entry?</translation>
    </message>
    <message>
        <source>提示：当前 DNS 缓存数量：%1 个。</source>
        <translation>Tip: DNS cache entries now: %1.</translation>
    </message>
    <message>
        <source>开启域名劫持功能（关闭劫持后页面访问将在1分钟内逐渐回源，不再流经 Morvix，一般用于临时性关闭缓存服务）</source>
        <translation>Turn on domain redirection (once off, pages go back to the origin within a minute and no longer pass through Morvix; usually to turn caching off for a while)</translation>
    </message>
    <message>
        <source>域名劫持列表</source>
        <translation>Redirected domains</translation>
    </message>
    <message>
        <source>拒绝劫持</source>
        <translation>Do not redirect</translation>
    </message>
    <message>
        <source>查找域名</source>
        <translation>Find domain</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>支持模糊查找</source>
        <translation>Partial names match</translation>
    </message>
    <message>
        <source>允许劫持</source>
        <translation>Redirect</translation>
    </message>
    <message>
        <source>你确定要开启域名劫持功能吗？</source>
        <translation>Are you sure you want to turn on domain redirection?</translation>
    </message>
    <message>
        <source>你确定要关闭域名劫持功能吗？</source>
        <translation>Are you sure you want to turn off domain redirection?</translation>
    </message>
    <message>
        <source>要修改的劫持域名已经不在列表中，修改没有提交。</source>
        <translation>The redirected domain to modify is no longer in the list; the change was not sent.</translation>
    </message>
    <message>
        <source>您确定要删除所有选中的自定义劫持域名吗？</source>
        <translation>Are you sure you want to delete every selected custom redirected domain?</translation>
    </message>
    <message>
        <source>正在删除选中的自定义劫持域名，请稍候 .......</source>
        <translation>Deleting the selected custom redirected domains, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止删除自定义劫持域名吗？</source>
        <translation>Are you sure you want to stop deleting custom redirected domains?</translation>
    </message>
    <message>
        <source>导出自定义劫持列表</source>
        <translation>Export custom redirects</translation>
    </message>
    <message>
        <source>导入自定义劫持列表</source>
        <translation>Import custom redirects</translation>
    </message>
    <message>
        <source>正在导入自定义劫持域名，请稍候……</source>
        <translation>Importing custom redirected domains, please wait……</translation>
    </message>
    <message>
        <source>您确定要停止导入自定义劫持域名吗？</source>
        <translation>Are you sure you want to stop importing custom redirected domains?</translation>
    </message>
    <message>
        <source>&lt;默认为 Morvix 服务器 IP 地址&gt;</source>
        <translation>&lt;defaults to the Morvix server&apos;s IP address&gt;</translation>
    </message>
    <message>
        <source>允许劫持 (默认)</source>
        <translation>Redirect (default)</translation>
    </message>
    <message>
        <source>域名：</source>
        <translation>Domain:</translation>
    </message>
    <message>
        <source>IP：</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>劫持：</source>
        <translation>Redirect:</translation>
    </message>
    <message>
        <source>域名中不能含有“/”、“#”或空白。</source>
        <translation>A domain cannot hold &quot;/&quot;, &quot;#&quot; or blanks.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>域名</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>域名解析量统计</source>
        <translation>Domain lookups</translation>
    </message>
    <message>
        <source>您确定要开启“%1”的缓存加速吗？</source>
        <translation>Are you sure you want to turn on cache acceleration for &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>您确定要暂停“%1”的缓存加速吗？</source>
        <translation>Are you sure you want to pause cache acceleration for &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>系统配置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>流量统计报告选项：</source>
        <translation>Traffic report options:</translation>
    </message>
    <message>
        <source>每天固定时间生成流量统计报告，固定生成时间：</source>
        <translation>Make the traffic report every day at a fixed time:</translation>
    </message>
    <message>
        <source>周期性生成流量统计报告，周期性生成间隔时间：</source>
        <translation>Make the traffic report periodically, every:</translation>
    </message>
    <message>
        <source>固定生成时间</source>
        <translation>Fixed time</translation>
    </message>
    <message>
        <source>点，[0 - 23]</source>
        <translation>o&apos;clock, [0 - 23]</translation>
    </message>
    <message>
        <source>周期性生成间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>小时，[1 - 240]</source>
        <translation>hours, [1 - 240]</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>停止缓存加速功能</source>
        <translation>Stop cache acceleration</translation>
    </message>
    <message>
        <source>开启缓存加速功能</source>
        <translation>Start cache acceleration</translation>
    </message>
    <message>
        <source>暂停缓存服务</source>
        <translation>Pause caching</translation>
    </message>
    <message>
        <source>启用缓存服务</source>
        <translation>Resume caching</translation>
    </message>
    <message>
        <source>停止流量统计功能</source>
        <translation>Stop traffic statistics</translation>
    </message>
    <message>
        <source>启用流量统计功能</source>
        <translation>Start traffic statistics</translation>
    </message>
    <message>
        <source> 是否开启缓存加速功能</source>
        <translation> Turn on cache acceleration</translation>
    </message>
    <message>
        <source>是否启用流量统计功能</source>
        <translation>Turn on traffic statistics</translation>
    </message>
    <message>
        <source>缓存Url</source>
        <translation>Cache URL</translation>
    </message>
    <message>
        <source>获取所有缓存 Url 列表：</source>
        <translation>Get the list of every cached URL:</translation>
    </message>
    <message>
        <source>获得缓存列表</source>
        <translation>Get cache list</translation>
    </message>
    <message>
        <source>保存缓存列表</source>
        <translation>Save cache list</translation>
    </message>
    <message>
        <source>保存到</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
    <message>
        <source>缓存Url：</source>
        <translation>Cache URL:</translation>
    </message>
    <message>
        <source>小工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>正则表达式语法正确</source>
        <translation>The regular expression is valid</translation>
    </message>
    <message>
        <source>正则表达式语法错误</source>
        <translation>The regular expression is not valid</translation>
    </message>
    <message>
        <source>查看域名详细信息</source>
        <translation>Domain details</translation>
    </message>
    <message>
        <source>主机名(主机头)：</source>
        <translation>Host name (Host header):</translation>
    </message>
    <message>
        <source>源站负载均衡策略：</source>
        <translation>Origin load balancing:</translation>
    </message>
    <message>
        <source>源站列表：</source>
        <translation>Origins:</translation>
    </message>
    <message>
        <source>开始监控</source>
        <translation>Start watching</translation>
    </message>
    <message>
        <source>停止监控</source>
        <translation>Stop watching</translation>
    </message>
    <message>
        <source>域名监控列表</source>
        <translation>Watched domains</translation>
    </message>
    <message>
        <source>实时访问监控内容：</source>
        <translation>Live requests:</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>访问监控数据</source>
        <translation>Watched requests</translation>
    </message>
    <message>
        <source>查找：</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>在已收到的记录中查找（Ctrl+F）</source>
        <translation>Find in the records received (Ctrl+F)</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>实时访问监控连接已断开，%1 秒后重新连接....</source>
        <translation>The live request link was lost; reconnecting in %1 s....</translation>
    </message>
    <message>
        <source>未找到“%1”</source>
        <translation>&quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>第 %1 行</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>实时监控</source>
        <translation>Live figures</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>System resources</translation>
    </message>
    <message>
        <source>统计报告</source>
        <translation>Traffic reports</translation>
    </message>
    <message>
        <source>实时访问监控</source>
        <translation>Live requests</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>启动时间：</source>
        <translation>Started:</translation>
    </message>
    <message>
        <source>当前时间：</source>
        <translation>Now:</translation>
    </message>
    <message>
        <source>累计节流：</source>
        <translation>Traffic saved:</translation>
    </message>
    <message>
        <source>个</source>
        <translation>items</translation>
    </message>
    <message>
        <source>启动自动刷新</source>
        <translation>Start auto refresh</translation>
    </message>
    <message>
        <source>停止自动刷新</source>
        <translation>Stop auto refresh</translation>
    </message>
    <message>
        <source>统计报告列表</source>
        <translation>Traffic reports</translation>
    </message>
    <message>
        <source>自动刷新间隔</source>
        <translation>Auto refresh interval</translation>
    </message>
    <message>
        <source>刷新统计报告</source>
        <translation>Refresh traffic reports</translation>
    </message>
    <message>
        <source>保存统计报告</source>
        <translation>Save traffic reports</translation>
    </message>
    <message>
        <source>统计开始时间：</source>
        <translation>Report start:</translation>
    </message>
    <message>
        <source>统计结束时间：</source>
        <translation>Report end:</translation>
    </message>
    <message>
        <source>缓存命令中率：</source>
        <translation>Cache hit rate:</translation>
    </message>
    <message>
        <source>文本文件 (*.txt);;所有文件 (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>保存统计报告失败，无法写入文件：%1</source>
        <translation>Cannot save the traffic report; cannot write the file: %1</translation>
    </message>
    <message>
        <source>添加实时监控记录</source>
        <translation>Add a live watch</translation>
    </message>
    <message>
        <source>实时监控地址：</source>
        <translation>Watched URL:</translation>
    </message>
    <message>
        <source>编辑标签名：</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>地址匹配规则：</source>
        <translation>URL match rule:</translation>
    </message>
    <message>
        <source>日志文件标题</source>
        <translation>Log file title</translation>
    </message>
    <message>
        <source>实时监控地址</source>
        <translation>Watched URL</translation>
    </message>
    <message>
        <source>添加实时访问监控记录</source>
        <translation>Add a live request watch</translation>
    </message>
    <message>
        <source>删除选中的实时访问监控记录</source>
        <translation>Delete the selected live request watch</translation>
    </message>
    <message>
        <source>刷新实时访问监控记录列表</source>
        <translation>Refresh the live request watches</translation>
    </message>
    <message>
        <source>打开选中记录的实时访问监控窗口</source>
        <translation>Open the live request window of the selected watch</translation>
    </message>
    <message>
        <source>您确定要删除本条访问监控记录吗？</source>
        <translation>Are you sure you want to delete this request watch?</translation>
    </message>
    <message>
        <source>实时访问监控记录列表</source>
        <translation>Live request watches</translation>
    </message>
    <message>
        <source>用户 IP：</source>
        <translation>Client IP:</translation>
    </message>
    <message>
        <source>可输入用户 IP 或者 IP 段</source>
        <translation>Enter a client IP or IP range</translation>
    </message>
    <message>
        <source>自动滚屏</source>
        <translation>Auto scroll</translation>
    </message>
    <message>
        <source>清空监控数据</source>
        <translation>Clear the watched requests</translation>
    </message>
    <message>
        <source>清空数据</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>您确定要清空所有监控数据吗？</source>
        <translation>Are you sure you want to clear every watched request?</translation>
    </message>
    <message>
        <source>实时访问监控 - %1</source>
        <translation>Live requests - %1</translation>
    </message>
    <message>
        <source>%1分钟</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>不清屏</source>
        <translation>Never clear</translation>
    </message>
    <message>
        <source>清屏间隔：</source>
        <translation>Clear every:</translation>
    </message>
    <message>
        <source>查看选中内容</source>
        <translation>View the selected content</translation>
    </message>
    <message>
        <source>保存监控记录</source>
        <translation>Save watched requests</translation>
    </message>
    <message>
        <source>清屏</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>无法写入文件“%1”，监控记录未保存。</source>
        <translation>Cannot write the file &quot;%1&quot;; the watched requests were not saved.</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>系统管理员</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>系统监控员</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>要修改的密码帐号：</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>原管理员密码：</source>
        <translation>Current administrator password:</translation>
    </message>
    <message>
        <source>新密码：</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>确认新密码：</source>
        <translation>Confirm new password:</translation>
    </message>
    <message>
        <source>旧密码输入错误，请重新输入。</source>
        <translation>The current password is wrong; please enter it again.</translation>
    </message>
    <message>
        <source>两次输入的密码不一致。</source>
        <translation>The two passwords do not match.</translation>
    </message>
    <message>
        <source>关于 %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>%1 图标</source>
        <translation>%1 icon</translation>
    </message>
    <message>
        <source>%1，版本：%2</source>
        <translation>%1, version: %2</translation>
    </message>
    <message>
        <source>已连接服务端版本：%1</source>
        <translation>Connected server version: %1</translation>
    </message>
    <message>
        <source>登录到远程管理器</source>
        <translation>Log in to the remote console</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>General</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>请输入服务器地址</source>
        <translation>Enter the server address</translation>
    </message>
    <message>
        <source>密码保存在桌面的密钥环中（Secret Service），登录记录文件只记下是否保存</source>
        <translation>Passwords are kept in the desktop&apos;s keyring (Secret Service); the login history file only notes whether one is saved</translation>
    </message>
    <message>
        <source>本机没有可用的密钥环，密码加密后保存在登录记录文件中：%1</source>
        <translation>No keyring is available here; passwords are saved encrypted in the login history file: %1</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#delete&quot;&gt;删除此记录&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#delete&quot;&gt;Delete this record&lt;/a&gt;</translation>
    </message>
    <message>
        <source>删除此记录</source>
        <translation>Delete this record</translation>
    </message>
    <message>
        <source>主   机：</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>用   户：</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>密   码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>删除登录记录</source>
        <translation>Delete login record</translation>
    </message>
    <message>
        <source>您确定要删除此主机的登录记录吗？</source>
        <translation>Are you sure you want to delete this host&apos;s login record?</translation>
    </message>
</context>
</TS>
