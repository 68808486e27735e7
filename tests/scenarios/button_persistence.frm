VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Buttons
   Caption         =   "Buttons"
   ClientHeight    =   1500
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   4500
   Begin OpalineKit.cmd_Opaline_Button Plain
      Height          =   315
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2055
      _ExtentX        =   3625
      _ExtentY        =   556
   End
   Begin OpalineKit.cmd_Opaline_Button Custom
      Height          =   315
      Left            =   150
      TabIndex        =   1
      Top             =   600
      Width           =   2055
      _ExtentX        =   3625
      _ExtentY        =   556
      Enabled         =   0   'False
      Caption         =   "&Save ""all"""
      ForeColor       =   255
      DeactivatedForeColor=   -2147483632
   End
End
